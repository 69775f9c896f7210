# Every picture the README shows must be in the repository: its readers see
# it without a build, so a picture under build/ or one never committed shows
# up broken for them. Run as cmake -DROOT=<source dir> -P readme_pictures.cmake.
file(READ "${ROOT}/README.md" readme)
string(REGEX MATCHALL "!\\[[^]]*\\]\\([^)]*\\)" pictures "${readme}")
if(NOT pictures)
  message(FATAL_ERROR "README.md shows no picture")
endif()
foreach(picture IN LISTS pictures)
  string(REGEX REPLACE "^.*\\(([^)]*)\\)$" "\\1" path "${picture}")
  set(missing 0)
  if(EXISTS "${ROOT}/.git")
    execute_process(COMMAND git ls-files --error-unmatch -- "${path}"
                    WORKING_DIRECTORY "${ROOT}" RESULT_VARIABLE missing OUTPUT_QUIET ERROR_QUIET)
  elseif(NOT EXISTS "${ROOT}/${path}" OR path MATCHES "^build/")
    set(missing 1)
  endif()
  if(missing)
    message(SEND_ERROR "README.md shows ${path}, which is not in the repository")
  endif()
endforeach()
