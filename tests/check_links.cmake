# Every relative link and picture in the README and the manual (docs/*.md)
# leads to a file or folder that is there, and to a heading of it where it
# names one (page.md#heading, the anchor GitHub makes of the heading).
#   cmake -DSOURCE=<top of the tree> -P check_links.cmake

# An anchor reduced to what it is compared by: lower case, spaces as hyphens,
# only ASCII letters, digits, hyphens and underscores (other letters are left
# out on both sides).
function(anchor_of text result)
  string(TOLOWER "${text}" text)
  string(REPLACE " " "-" text "${text}")
  string(REGEX REPLACE "[^a-z0-9_-]" "" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

# The text of a page with its links marked by @LINK@ and without the brackets
# and semicolons that CMake's lists would take as their own.
function(read_page page result)
  file(READ "${page}" text)
  set(text "\n${text}") # so that every heading follows a line end
  string(REPLACE "](" "@LINK@" text "${text}")
  string(REGEX REPLACE "[][;]" " " text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

file(GLOB pages "${SOURCE}/README.md" "${SOURCE}/docs/*.md")
if(NOT pages)
  message(FATAL_ERROR "no README.md in ${SOURCE}")
endif()
set(checked 0)
foreach(page ${pages})
  read_page("${page}" text)
  get_filename_component(folder "${page}" DIRECTORY)
  string(REGEX REPLACE "`[^`\n]*`" "" text "${text}") # code is not a link
  string(REGEX MATCHALL "@LINK@[^)\n ]*\\)" links "${text}")
  foreach(link ${links})
    string(REGEX REPLACE "^@LINK@(.*)\\)$" "\\1" target "${link}")
    if(target MATCHES "^[a-z]+:") # a web address or mail: not checked here
      continue()
    endif()
    math(EXPR checked "${checked} + 1")
    string(REGEX REPLACE "#.*" "" path "${target}")
    set(file "${folder}/${path}")
    if(path STREQUAL "")
      set(file "${page}")
    endif()
    if(NOT EXISTS "${file}")
      message(SEND_ERROR "${page}: no such file: ${target}")
      continue()
    endif()
    if(target MATCHES "#(.+)$")
      anchor_of("${CMAKE_MATCH_1}" anchor)
      read_page("${file}" target_text)
      string(REGEX MATCHALL "\n#+ [^\n]*" headings "${target_text}")
      set(found FALSE)
      foreach(heading ${headings})
        string(REGEX REPLACE "^\n#+ " "" heading "${heading}")
        anchor_of("${heading}" heading)
        if(heading STREQUAL anchor)
          set(found TRUE)
        endif()
      endforeach()
      if(NOT found)
        message(SEND_ERROR "${page}: no such heading: ${target}")
      endif()
    endif()
  endforeach()
endforeach()
message(STATUS "${checked} links checked")
