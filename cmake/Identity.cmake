# What the program is called outside its window: the application id, the
# names and one-line summaries, and the publisher's home page. The desktop
# entry, the AppStream file, the Debian package and the Windows version record
# all take them from here; the longer description is in packaging/.
include(${CMAKE_CURRENT_LIST_DIR}/ApplicationId.cmake)

rmq_application_id(RMQ_APP_ID "${RMQ_PUBLISHER_URL}" RiverMouthQuiz)

set(RMQ_NAME_BG "Устие на река")
set(RMQ_NAME_EN "River Mouth Quiz")
set(RMQ_SUMMARY_BG "Свържете реки и езера с вида на устието им: делта, естуар, лиман")
set(RMQ_SUMMARY_EN "Match rivers and lakes to the type of their mouth: delta, estuary, liman")
set(RMQ_LICENSE "GPL-3.0-or-later")
# The version as the program shows it: major and minor, as in "1.00".
set(RMQ_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}0")

# The address as the title shows it may lack the scheme; the home page has one.
if(RMQ_PUBLISHER_URL MATCHES "^[A-Za-z][A-Za-z0-9+.-]*://")
    set(RMQ_HOMEPAGE "${RMQ_PUBLISHER_URL}")
else()
    set(RMQ_HOMEPAGE "https://${RMQ_PUBLISHER_URL}")
endif()
string(REGEX REPLACE "/+$" "" RMQ_HOMEPAGE "${RMQ_HOMEPAGE}")
string(APPEND RMQ_HOMEPAGE "/")
rmq_host_name(rmq_host "${RMQ_PUBLISHER_URL}")
string(REGEX REPLACE "^www\\.(.)" "\\1" RMQ_PUBLISHER_DOMAIN "${rmq_host}")
