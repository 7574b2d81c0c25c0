# tarn_use_modern_look(<target>): embeds a manifest in the program <target> that
# selects the common controls version 6 (the system's visual styles), per-monitor
# DPI awareness with the system-DPI fallback, and UTF-8 as the active code page
# (every String the toolkit hands to the system is then UTF-8). Available after
# add_subdirectory() of the toolkit and after find_package(tarn).
#
# Call it in the CMakeLists.txt that defines the target. The manifest is compiled
# with the toolchain's resource compiler into an object file added to the
# target, so the calling project need not enable RC itself. A program that has
# a manifest resource of its own cannot take a second one.

function(tarn_use_modern_look target)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "tarn_use_modern_look: no target named '${target}'")
  endif()
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "EXECUTABLE")
    message(FATAL_ERROR "tarn_use_modern_look: '${target}' is a ${type}; a manifest belongs in a program")
  endif()
  get_target_property(done ${target} TARN_MODERN_LOOK)
  if(done)
    return()
  endif()

  set(windres "${CMAKE_RC_COMPILER}")
  if(NOT windres)
    # The resource compiler beside the C++ compiler: <triplet>-windres.
    get_filename_component(cxx_name "${CMAKE_CXX_COMPILER}" NAME)
    string(REGEX MATCH "^.*-mingw32" triplet "${cxx_name}")
    find_program(TARN_WINDRES NAMES ${triplet}-windres windres REQUIRED)
    set(windres "${TARN_WINDRES}")
  endif()

  set(manifest "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/modern-look.manifest")
  set(dir "${CMAKE_CURRENT_BINARY_DIR}/${target}.modern-look")
  set(script "${dir}/manifest.rc")
  set(object "${dir}/manifest.rc${CMAKE_CXX_OUTPUT_EXTENSION}")
  # 1 = the manifest a process is created with, 24 = RT_MANIFEST.
  file(MAKE_DIRECTORY "${dir}")
  file(WRITE "${script}.in" "1 24 \"${manifest}\"\n")
  configure_file("${script}.in" "${script}" COPYONLY)
  add_custom_command(
    OUTPUT "${object}"
    COMMAND "${windres}" -O coff -i "${script}" -o "${object}"
    DEPENDS "${script}" "${manifest}"
    COMMENT "Embedding the modern-look manifest in ${target}"
    VERBATIM)
  set_source_files_properties("${object}" PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
  target_sources(${target} PRIVATE "${object}")
  set_target_properties(${target} PROPERTIES TARN_MODERN_LOOK TRUE)
endfunction()
