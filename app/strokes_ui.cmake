# The canvas widget: sources of velmora_ui.
target_sources(velmora_ui PRIVATE canvas_view.cpp canvas_view_input.cpp canvas_view.h)
