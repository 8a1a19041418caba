# The manual pages and the bash completion, made at build time from the
# programs' own --help (scripts/cli-docs.py) and the Markdown pages in
# docs/man, so a new command or option shows up without editing them.
find_program(PANDOC pandoc)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(cli_docs ${CMAKE_SOURCE_DIR}/scripts/cli-docs.py)
set(man_dir ${CMAKE_BINARY_DIR}/share/man/man1)

if(PANDOC)
  set(pages)
  foreach(program velacps velacps-cli velacps-radiosim)
    set(markdown ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1.md)
    set(page ${man_dir}/${program}.1)
    set(source ${CMAKE_SOURCE_DIR}/docs/man/${program}.1.md)
    if(program STREQUAL velacps)
      # The desktop program's page is all prose.
      set(program_file "")
      set(depends ${source})
    else()
      set(program_file $<TARGET_FILE:${program}>)
      set(depends ${source} ${program} ${cli_docs})
    endif()
    add_custom_command(OUTPUT ${page} ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man ${man_dir}
      COMMAND Python3::Interpreter ${cli_docs} man ${source} "${program_file}" ${PROJECT_VERSION} ${markdown}
      COMMAND ${PANDOC} --standalone --from markdown-smart --to man ${markdown} --output ${page}
      # Installed compressed, as man pages are on Debian.
      COMMAND gzip -9 -n -f -k ${page}
      DEPENDS ${depends} VERBATIM)
    list(APPEND pages ${page})
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  add_custom_target(velacps_manuals ALL DEPENDS ${pages})
else()
  message(WARNING "pandoc not found (scripts/install-deps.sh installs it): no manual pages")
endif()

set(completion ${CMAKE_BINARY_DIR}/share/bash-completion/completions/velacps-cli)
add_custom_command(OUTPUT ${completion}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/bash-completion/completions
  COMMAND Python3::Interpreter ${cli_docs} bash-completion $<TARGET_FILE:velacps-cli> ${completion}
  DEPENDS velacps-cli ${cli_docs} VERBATIM)
add_custom_target(velacps_completion ALL DEPENDS ${completion})
install(FILES ${completion} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
