cmake_minimum_required(VERSION 3.25)
# cmake -DBUILD=<build dir> -DREADME=<README.md> -P check_package.cmake packs the built game and
# fails unless the package depends on Qt Widgets and a sans-serif font, recommends Qt's Wayland
# platform and Qt's translations, and holds just the files the README's install table lists.
set(out "${BUILD}/package-check")
file(REMOVE_RECURSE "${out}")
execute_process(COMMAND cpack -G DEB -B "${out}" --config "${BUILD}/CPackConfig.cmake"
  OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cpack failed:\n${log}")
endif()
file(GLOB deb "${out}/velmora_*.deb")
execute_process(COMMAND dpkg-deb -f "${deb}" Depends Recommends OUTPUT_VARIABLE fields)
set(faults "")
foreach(wanted "Depends: [^\n]*libqt6widgets6" "Depends: [^\n]*fonts-dejavu-core"
               "Recommends: [^\n]*qt6-wayland" "Recommends: [^\n]*qt6-translations-l10n")
  if(NOT fields MATCHES "${wanted}")
    string(APPEND faults "\n  no '${wanted}' in\n${fields}")
  endif()
endforeach()

# The table's paths, `*` standing for the icon's size; the game's row names the link too.
file(READ "${README}" readme)
string(REGEX MATCH "\n\\| Path \\| What \\|\n(\\|[^\n]*\n)+" table "${readme}")
string(REGEX MATCHALL "`[^`]+/[^`]+`" listed "${table}")
list(TRANSFORM listed REPLACE "`" "")
execute_process(COMMAND dpkg-deb -c "${deb}" OUTPUT_VARIABLE contents)
string(REGEX MATCHALL "\n[^d][^\n]* \\./usr/[^ \n]+" files "\n${contents}")
list(TRANSFORM files REPLACE ".* \\./usr/" "")
list(TRANSFORM files REPLACE "^share/icons/hicolor/[^/]+/" "share/icons/hicolor/*/")
list(REMOVE_DUPLICATES files)
list(SORT files)
list(SORT listed)
if(NOT files STREQUAL listed)
  string(APPEND faults "\n  the package holds\n    ${files}\n  the README lists\n    ${listed}")
endif()
if(faults)
  message(FATAL_ERROR "${deb}:${faults}")
endif()
