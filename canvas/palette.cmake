# Palette, colour picker and timer rules: sources of velmora_canvas.
