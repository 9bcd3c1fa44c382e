# Run with cmake -P -DURL=...: makes the application id of an address that has none.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ApplicationId.cmake)
rmq_application_id(id "${URL}" RiverMouthQuiz)
message(STATUS "\"${URL}\" gave \"${id}\"")
