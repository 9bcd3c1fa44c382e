# Run with cmake -P: the application ids that publishers' addresses give.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ApplicationId.cmake)

set(cases
    "www.example.org"                  "org.example.RiverMouthQuiz"
    "example.org"                      "org.example.RiverMouthQuiz"
    "WWW.Example.ORG"                  "org.example.RiverMouthQuiz"
    "https://www.example.org/quiz/"    "org.example.RiverMouthQuiz"
    "http://user@school.example.org:8080/?a=b"  "org.example.school.RiverMouthQuiz"
    "www.example.org."                 "org.example.RiverMouthQuiz"
    "  sou-5.edu.bg "                  "bg.edu.sou_5.RiverMouthQuiz"
    "www.3d-maps.com"                  "com._3d_maps.RiverMouthQuiz"
    "www.xn--80aaxgrpt.bg"             "bg.xn__80aaxgrpt.RiverMouthQuiz"
    "www"                              "www.RiverMouthQuiz"
    "wwwexample.org"                   "org.wwwexample.RiverMouthQuiz"
)

set(failures 0)
while(cases)
    list(POP_FRONT cases url expected)
    rmq_application_id(id "${url}" RiverMouthQuiz)
    if(NOT id STREQUAL expected)
        message(SEND_ERROR "\"${url}\" gives \"${id}\", expected \"${expected}\"")
        math(EXPR failures "${failures} + 1")
    endif()
endwhile()
if(failures)
    message(FATAL_ERROR "${failures} application ids are wrong")
endif()
