# Palette, colour picker and timer rules: sources of velmora_canvas.
target_sources(velmora_canvas PRIVATE
  colour_frame.cpp colour_frame.h
  colour_modes.h
  colour_picker_shades.cpp colour_picker_shades.h
  corner_watch.cpp corner_watch.h
  hsl.cpp hsl.h
  palette_blobs.cpp palette_blobs.h)
