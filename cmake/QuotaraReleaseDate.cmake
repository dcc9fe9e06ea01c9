# quotara_release_date(<changelog> <variable>): the date of the changelog's newest entry as
# YYYY-MM-DD, as AppStream writes a release's date. The Debian changelog dates every release
# anyway; reading it there leaves no second date to fall out of step.
function(quotara_release_date changelog variable)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
  # The newest entry's trailer: " -- Name <address>  Mon, 07 Dec 2026 05:53:13 +0000".
  file(STRINGS ${changelog} trailers REGEX "^ -- ")
  list(GET trailers 0 trailer)
  if(NOT trailer MATCHES ">  [A-Z][a-z][a-z], +([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "${changelog}: no date in the newest entry's line \"${trailer}\"")
  endif()
  set(day ${CMAKE_MATCH_1})
  set(month_name ${CMAKE_MATCH_2})
  set(year ${CMAKE_MATCH_3})
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(FIND months ${month_name} month)
  if(month EQUAL -1)
    message(FATAL_ERROR "${changelog}: no month \"${month_name}\" in \"${trailer}\"")
  endif()
  math(EXPR month "${month} + 1")
  string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
  string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
  set(${variable} ${year}-${month}-${day} PARENT_SCOPE)
endfunction()
