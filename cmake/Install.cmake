# Installs the program as the desktop expects to find it: the executable, the
# desktop entry, the icon in the hicolor theme and the AppStream file, all
# named by the application id.
include(GNUInstallDirs)

set(rmq_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(rmq_generated_dir ${PROJECT_BINARY_DIR}/packaging)

# Reads a paragraph of the description, wrapped for the Debian package, as one line.
function(rmq_read_paragraph out file)
    file(READ "${file}" text)
    string(STRIP "${text}" text)
    string(REGEX REPLACE "[ \t]*\n[ \t]*" " " text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Sets <out> to <text> with the characters that XML gives a meaning escaped.
function(rmq_xml_escape out text)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

rmq_read_paragraph(RMQ_DESCRIPTION_BG ${rmq_packaging_dir}/description.bg.txt)
rmq_read_paragraph(RMQ_DESCRIPTION_EN ${rmq_packaging_dir}/description.en.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${rmq_packaging_dir}/description.bg.txt ${rmq_packaging_dir}/description.en.txt)

# The publisher is to put the screenshot from docs/ at this address.
set(RMQ_SCREENSHOT_URL "${RMQ_HOMEPAGE}river-mouth-quiz/screenshot.png")

# Compresses a file as Debian's tools want it: at the highest level, without
# the name and time of the original in the header, so that builds agree.
find_program(RMQ_GZIP gzip REQUIRED)
function(rmq_gzip source target)
    execute_process(COMMAND ${RMQ_GZIP} -9nc ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

install(TARGETS river-mouth-quiz RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (CPack's, or `cmake --install --strip`) also drops the
# compiler's notes, as Debian's own packages do.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/river-mouth-quiz\" COMMAND_ERROR_IS_FATAL ANY)
    endif()
")

# The manual page, in English and in Bulgarian.
file(MAKE_DIRECTORY ${rmq_generated_dir}/man/bg)
rmq_gzip(${rmq_packaging_dir}/river-mouth-quiz.1 ${rmq_generated_dir}/man/river-mouth-quiz.1.gz)
rmq_gzip(${rmq_packaging_dir}/river-mouth-quiz.bg.1 ${rmq_generated_dir}/man/bg/river-mouth-quiz.1.gz)
install(FILES ${rmq_generated_dir}/man/river-mouth-quiz.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${rmq_generated_dir}/man/bg/river-mouth-quiz.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/bg/man1)

configure_file(${rmq_packaging_dir}/river-mouth-quiz.desktop.in
    ${rmq_generated_dir}/${RMQ_APP_ID}.desktop @ONLY)
install(FILES ${rmq_generated_dir}/${RMQ_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The same picture at every size, 32 x 32 being the one the window shows.
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/icons/river-mouth-quiz-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${RMQ_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/icons/river-mouth-quiz.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${RMQ_APP_ID}.svg)

# The metainfo file gets its texts XML-escaped, without touching the variables
# that the other files take.
block(SCOPE_FOR VARIABLES)
    foreach(name RMQ_PUBLISHER_URL RMQ_HOMEPAGE RMQ_SCREENSHOT_URL RMQ_NAME_BG RMQ_NAME_EN
            RMQ_SUMMARY_BG RMQ_SUMMARY_EN RMQ_DESCRIPTION_BG RMQ_DESCRIPTION_EN)
        rmq_xml_escape(${name} "${${name}}")
    endforeach()
    # The publisher's reverse-DNS name, as the application id begins.
    string(REGEX REPLACE "\\.[^.]*$" "" RMQ_DEVELOPER_ID "${RMQ_APP_ID}")
    configure_file(${rmq_packaging_dir}/river-mouth-quiz.metainfo.xml.in
        ${rmq_generated_dir}/${RMQ_APP_ID}.metainfo.xml @ONLY)
endblock()
install(FILES ${rmq_generated_dir}/${RMQ_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The copyright file names the licence, whose text every Debian system keeps.
configure_file(${rmq_packaging_dir}/copyright.in ${rmq_generated_dir}/copyright @ONLY)
install(FILES ${rmq_generated_dir}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
