# Text helpers for the Debian package's files: reading the AppStream metainfo and the element-data
# notes, wrapping paragraphs into the indented lines of a Debian control or copyright field.
#
# CMake lists are ';'-separated, and the texts contain semicolons. The helpers that return lists
# of texts hide their semicolons behind a control character; orvane_wrap_paragraph and
# orvane_unhide_semicolons bring them back.
string(ASCII 1 ORVANE_SEMICOLON)

function(orvane_unhide_semicolons text out)
  string(REPLACE "${ORVANE_SEMICOLON}" ";" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The lines of a text as a list (semicolons hidden).
function(orvane_text_lines text out)
  string(REPLACE ";" "${ORVANE_SEMICOLON}" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# Undoes the five predefined XML entities.
function(orvane_xml_unescape text out)
  string(REPLACE "&lt;" "<" text "${text}")
  string(REPLACE "&gt;" ">" text "${text}")
  string(REPLACE "&quot;" "\"" text "${text}")
  string(REPLACE "&apos;" "'" text "${text}")
  string(REPLACE "&amp;" "&" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Wraps the words of one paragraph into lines of at most 79 columns, so that they stay within 80
# once indented for a Debian field: the first line begins with `first`, the others with `rest`.
# Bytes are counted, so accented letters count twice and a line may come out a little shorter.
# The lines are joined by newlines; hidden semicolons come back.
function(orvane_wrap_paragraph text first rest out)
  string(REPLACE ";" "${ORVANE_SEMICOLON}" text "${text}")
  string(STRIP "${text}" text)
  string(REGEX REPLACE "[ \t\r\n]+" ";" words "${text}")
  list(POP_FRONT words word)
  set(line "${first}${word}")
  set(lines)
  foreach(word IN LISTS words)
    string(LENGTH "${line} ${word}" width)
    if(width GREATER 79)
      list(APPEND lines "${line}")
      set(line "${rest}${word}")
    else()
      string(APPEND line " ${word}")
    endif()
  endforeach()
  list(APPEND lines "${line}")
  list(JOIN lines "\n" wrapped)
  orvane_unhide_semicolons("${wrapped}" wrapped)
  set(${out} "${wrapped}" PARENT_SCOPE)
endfunction()

# The text of every element `tag` in `xml` whose xml:lang is `lang`, one list item per element,
# entities undone, blanks collapsed, semicolons hidden. Elements with markup inside are not matched.
function(orvane_metainfo_texts xml tag lang out)
  string(REPLACE ";" "${ORVANE_SEMICOLON}" xml "${xml}")
  string(REGEX MATCHALL "<${tag} xml:lang=\"${lang}\">[^<]*</${tag}>" elements "${xml}")
  set(texts)
  foreach(element IN LISTS elements)
    string(REGEX REPLACE "^<[^>]*>([^<]*)</[^>]*>$" "\\1" text "${element}")
    string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
    string(STRIP "${text}" text)
    orvane_xml_unescape("${text}" text)
    list(APPEND texts "${text}")
  endforeach()
  set(${out} "${texts}" PARENT_SCOPE)
endfunction()

# RFC 2822 form of an ISO date (YYYY-MM-DD) at midnight UTC, as a Debian changelog's trailer wants.
# The weekday follows Sakamoto's method.
function(orvane_rfc2822_date iso out)
  if(NOT iso MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "Not a date of the form YYYY-MM-DD: '${iso}'")
  endif()
  set(year ${CMAKE_MATCH_1})
  set(day_text ${CMAKE_MATCH_3})
  math(EXPR month "${CMAKE_MATCH_2} + 0") # drops the leading zero, for the list index
  math(EXPR day "${day_text} + 0")
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET offsets ${index} offset)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET weekdays ${weekday} weekday_name)
  list(GET months ${index} month_name)
  set(${out} "${weekday_name}, ${day_text} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

# The rows of the element-data notes' source table as "field: reference" items, emphasis marks
# dropped, semicolons hidden. The table is the one whose rows start with a field number ("| 2 atomic mass | ...").
function(orvane_element_data_sources markdown out)
  orvane_text_lines("${markdown}" lines)
  set(items)
  foreach(line IN LISTS lines)
    if(line MATCHES "^\\| *([0-9][^|]*[^ |]) *\\| *([^|]*[^ |]) *\\|")
      string(REPLACE "*" "" reference "${CMAKE_MATCH_2}")
      list(APPEND items "${CMAKE_MATCH_1}: ${reference}")
    endif()
  endforeach()
  if(NOT items)
    message(FATAL_ERROR "No field rows found in the element-data notes' source table")
  endif()
  set(${out} "${items}" PARENT_SCOPE)
endfunction()
