# Installs the build into PREFIX and checks what a desktop needs of it.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(program_dir "${PREFIX}/${LIBDIR}/vornik-gui-designer")
foreach(path "${program_dir}/vornik-gui-designer" "${program_dir}/prefs.xml" "${program_dir}/Languages/English.lng"
             "${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/vornik-gui-designer.svg"
             "${PREFIX}/${DATADIR}/applications/vornik-gui-designer.desktop")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

set(link "${PREFIX}/${BINDIR}/vornik-gui-designer")
if(NOT IS_SYMLINK "${link}")
  message(FATAL_ERROR "no link ${link}")
endif()
file(REAL_PATH "${link}" target)
file(REAL_PATH "${program_dir}/vornik-gui-designer" program)
if(NOT target STREQUAL program)
  message(FATAL_ERROR "${link} leads to ${target}, not ${program}")
endif()

file(READ "${PREFIX}/${DATADIR}/applications/vornik-gui-designer.desktop" entry)
foreach(line "Exec=${program_dir}/vornik-gui-designer" "Icon=vornik-gui-designer" "Type=Application"
             "Name=Vornik GUI designer")
  string(FIND "${entry}" "${line}\n" at)
  if(at LESS 0)
    message(FATAL_ERROR "the desktop entry lacks ${line}:\n${entry}")
  endif()
endforeach()
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND "${VALIDATE}" "${PREFIX}/${DATADIR}/applications/vornik-gui-designer.desktop"
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate: ${out}")
  endif()
endif()

# The program started through the link finds its sample installation.
execute_process(COMMAND "${link}" --check "${program_dir}/Languages/English.lng" RESULT_VARIABLE result
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed program failed (${result}): ${out}${err}")
endif()
