cmake_minimum_required(VERSION 3.25)
# Makes the Debian package of the built game and fails when it does not depend on Qt Widgets
# and a sans-serif font, does not recommend Qt's Wayland platform, or holds other files than
# the README's install table lists.
# Run as: cmake -DBUILD=<build dir> -DREADME=<README.md> -P check_package.cmake
set(out "${BUILD}/package-check")
file(REMOVE_RECURSE "${out}")
execute_process(COMMAND cpack -G DEB -B "${out}" --config "${BUILD}/CPackConfig.cmake"
  OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cpack failed:\n${log}")
endif()
file(GLOB deb "${out}/velmora_*.deb")
set(faults "")

set(fields Depends Depends Recommends)
set(patterns "(^|, )libqt6widgets6( |,|$)" "(^|, )fonts-dejavu-core(,|$)" "^qt6-wayland$")
foreach(field pattern IN ZIP_LISTS fields patterns)
  execute_process(COMMAND dpkg-deb -f "${deb}" ${field} OUTPUT_VARIABLE value
    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT value MATCHES "${pattern}")
    string(APPEND faults "\n  ${field} '${value}' does not match ${pattern}")
  endif()
endforeach()

# Every path the table names, `*` standing for one folder; the game's row names the link too.
file(READ "${README}" readme)
string(REGEX MATCH "\n\\| Path \\| What \\|\n(\\|[^\n]*\n)+" table "${readme}")
string(REGEX MATCHALL "`[^`]+/[^`]+`" listed "${table}")
execute_process(COMMAND dpkg-deb -c "${deb}" OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" files "${contents}")
list(FILTER files INCLUDE REGEX "^[^d].* \\./usr/")
list(TRANSFORM files REPLACE "^.* \\./usr/([^ ]+).*$" "\\1")
foreach(path IN LISTS listed)
  string(REPLACE "`" "" path "${path}")
  string(REPLACE "." "\\." pattern "^${path}$")
  string(REPLACE "*" "[^/]+" pattern "${pattern}")
  set(found ${files})
  list(FILTER found INCLUDE REGEX "${pattern}")
  list(FILTER files EXCLUDE REGEX "${pattern}")
  if(NOT found)
    string(APPEND faults "\n  the README lists ${path}, which the package does not hold")
  endif()
endforeach()
foreach(path IN LISTS files)
  string(APPEND faults "\n  the package holds ${path}, which the README does not list")
endforeach()

if(faults)
  message(FATAL_ERROR "${deb}:${faults}")
endif()
message(STATUS "${deb} holds what the README lists and depends on what the game needs.")
