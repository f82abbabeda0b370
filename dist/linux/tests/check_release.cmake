# The newest release entry of a metainfo file (the first one) names VERSION.
file(READ ${FILE} metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" found "${metainfo}")
if(NOT found)
  message(FATAL_ERROR "${FILE}: no release entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "${FILE}: newest release is ${CMAKE_MATCH_1}, the project is ${VERSION}")
endif()
