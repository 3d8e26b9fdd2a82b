# Makes a plain text file (UTF-8) into a web page that shows it as it is, in
# a fixed-width font, and says its encoding; the page's title is the text's
# first line that is not blank.
#   cmake -DTEXT=instruction.txt -DPAGE=instruction.html -P textpage.cmake
file(READ ${TEXT} text)
string(REPLACE "&" "&amp;" text "${text}")
string(REPLACE "<" "&lt;" text "${text}")
string(REPLACE ">" "&gt;" text "${text}")
string(REGEX MATCH "[^\r\n]*[^ \t\r\n][^\r\n]*" title "${text}")
string(STRIP "${title}" title)
file(WRITE ${PAGE} "<!doctype html>
<html><head><meta charset=\"utf-8\"><title>${title}</title>
<style>pre { font-family: 'Liberation Mono', 'Courier New', monospace; font-size: 11pt; }</style>
</head><body><pre>${text}</pre></body></html>
")
