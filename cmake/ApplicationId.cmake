# The desktop knows a program by a reverse-DNS application id: it names the
# desktop entry, the icon and the AppStream file, and on Wayland it is how the
# window is matched to its entry. Ours follows the publisher's web address, so
# a school that brands its build gets ids of its own domain.

# Sets <out> to the host name in <url>, in lower case, without scheme, user,
# port, path or a trailing dot: "https://www.Example.org:8080/quiz" gives
# "www.example.org". Fails when no host name of ASCII letters, digits, hyphens
# and dots is left (an international name must be given in its xn-- form).
function(rmq_host_name out url)
    string(TOLOWER "${url}" host)
    string(STRIP "${host}" host)
    string(REGEX REPLACE "^[a-z][a-z0-9+.-]*://" "" host "${host}")
    string(REGEX REPLACE "[/?#].*$" "" host "${host}")
    string(REGEX REPLACE "^.*@" "" host "${host}")
    string(REGEX REPLACE ":[0-9]*$" "" host "${host}")
    string(REGEX REPLACE "\\.$" "" host "${host}")
    if(NOT host MATCHES "^[a-z0-9-]+(\\.[a-z0-9-]+)*$")
        message(FATAL_ERROR "The publisher's address \"${url}\" has no host name "
            "to make an application id from; give it as a domain name such as "
            "www.example.org (an international name in its xn-- form).")
    endif()
    set(${out} "${host}" PARENT_SCOPE)
endfunction()

# Sets <out> to the application id for the program <name> published at <url>:
# the host name without a leading "www.", its labels reversed, then <name>, so
# "www.example.org" gives "org.example.<name>". Each part is made a valid part
# of a D-Bus name, as freedesktop.org asks of desktop file ids: hyphens
# become underscores, and a part that starts with a digit gets an underscore.
function(rmq_application_id out url name)
    rmq_host_name(host "${url}")
    string(REGEX REPLACE "^www\\.(.)" "\\1" host "${host}")
    string(REPLACE "." ";" labels "${host}")
    list(REVERSE labels)
    set(id "")
    foreach(label IN LISTS labels)
        string(REPLACE "-" "_" label "${label}")
        if(label MATCHES "^[0-9]")
            string(PREPEND label "_")
        endif()
        string(APPEND id "${label}.")
    endforeach()
    set(${out} "${id}${name}" PARENT_SCOPE)
endfunction()
