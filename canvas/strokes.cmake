# Strokes and undo: sources of velmora_canvas.
