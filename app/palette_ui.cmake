# The palette box, colour frame and colour picker window: sources of velmora_ui.
