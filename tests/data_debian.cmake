# The changelog's date as Debian writes it, day of the week included (dpkg
# and lintian refuse a wrong one): leap days, both sides of a new year and of
# the end of February, and the century rules of the Gregorian calendar.
# cmake -P data_debian.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../installa/data_debian.cmake)
set(casi
  "2026-12-07=Mon, 07 Dec 2026 12:00:00 +0000"
  "2024-02-29=Thu, 29 Feb 2024 12:00:00 +0000"
  "2024-03-01=Fri, 01 Mar 2024 12:00:00 +0000"
  "2025-01-01=Wed, 01 Jan 2025 12:00:00 +0000"
  "2024-12-31=Tue, 31 Dec 2024 12:00:00 +0000"
  "2000-02-29=Tue, 29 Feb 2000 12:00:00 +0000"
  "1900-03-01=Thu, 01 Mar 1900 12:00:00 +0000"
  "2100-01-01=Fri, 01 Jan 2100 12:00:00 +0000"
  "2031-8-9=Sat, 09 Aug 2031 12:00:00 +0000")
foreach(caso IN LISTS casi)
  string(REPLACE "=" ";" parti "${caso}")
  list(GET parti 0 data)
  list(GET parti 1 atteso)
  vask_data_debian(${data} ottenuto)
  if(NOT ottenuto STREQUAL atteso)
    message(FATAL_ERROR "${data}: \"${ottenuto}\", not \"${atteso}\"")
  endif()
endforeach()
