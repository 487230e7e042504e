# The canvas widget: sources of velmora_ui.
