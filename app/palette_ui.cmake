# The palette box, colour frame and colour picker window: sources of velmora_ui.
target_sources(velmora_ui PRIVATE
  blob_box.cpp blob_box.h
  colour_frame_view.cpp colour_frame_view.h
  crazy_colours.cpp crazy_colours.h
  frm_color_picker.cpp frm_color_picker.h
  palette_box.cpp palette_box.h)
