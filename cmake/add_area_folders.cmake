# Adds every folder below the current one that has a CMakeLists.txt: each area keeps its tests
# and benchmarks in a folder of its own, which joins the build by being there.
macro(sundrel_add_area_folders)
  file(GLOB _sundrel_areas LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(_sundrel_area ${_sundrel_areas})
    if(IS_DIRECTORY ${_sundrel_area} AND EXISTS ${_sundrel_area}/CMakeLists.txt)
      add_subdirectory(${_sundrel_area})
    endif()
  endforeach()
endmacro()
