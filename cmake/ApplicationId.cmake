# The reverse-DNS application id, from the host of the home page:
# https://pendulor.example.org/ gives org.example.pendulor. A host whose first
# label is not the application's name gets the name appended
# (https://quorvane.example/ gives example.quorvane.pendulor). All in lower
# case, as AppStream asks of component ids.
function(pendulor_application_id url app_name out_var)
  if(NOT url MATCHES "^[A-Za-z][A-Za-z0-9+.-]*://([^/:?#]+)")
    message(FATAL_ERROR "No host in the home page address '${url}'")
  endif()
  string(TOLOWER "${CMAKE_MATCH_1}" host)
  string(REGEX REPLACE "^www\\." "" host "${host}")
  string(REPLACE "." ";" labels "${host}")
  list(REVERSE labels)
  set(parts "")
  foreach(label IN LISTS labels)
    # D-Bus names allow letters, digits and "_" only, and no leading digit.
    string(REGEX REPLACE "[^a-z0-9_]" "_" label "${label}")
    if(label MATCHES "^[0-9]")
      set(label "_${label}")
    endif()
    list(APPEND parts "${label}")
  endforeach()
  list(GET parts -1 last)
  string(TOLOWER "${app_name}" lower_name)
  if(NOT last STREQUAL lower_name)
    list(APPEND parts "${lower_name}")
  endif()
  list(LENGTH parts count)
  if(count LESS 2)
    message(FATAL_ERROR "The home page address '${url}' gives no reverse-DNS id")
  endif()
  list(JOIN parts "." id)
  set(${out_var} "${id}" PARENT_SCOPE)
endfunction()
