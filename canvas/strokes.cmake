# Strokes and undo: sources of velmora_canvas.
target_sources(velmora_canvas PRIVATE
  colour_jitter.cpp colour_jitter.h
  colouring_tools.h
  line_gp.cpp line_gp.h
  stamp_texture.cpp stamp_texture.h
  stroke_engine.cpp stroke_segments.cpp stroke_engine.h
  undo_stack.cpp undo_stack.h)
# The brush textures are compiled in there.
target_link_libraries(velmora_canvas PUBLIC velmora_resources)
# The stamp's blend loop is written to vectorise; GCC's -O2 cost model leaves it
# scalar (about half the speed), so it gets the full cost model in every build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set_source_files_properties(stamp_texture.cpp PROPERTIES COMPILE_OPTIONS "-ftree-vectorize;-fvect-cost-model=dynamic")
endif()
