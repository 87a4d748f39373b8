# SPDX-License-Identifier: GPL-3.0-or-later
# Every choice a build offers, checked here so a wrong value stops the
# configuration with a message that says why.

# ---- Building -------------------------------------------------------------------
option(HORALUX_WERROR "Treat compiler warnings as errors" OFF)
option(HORALUX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(HORALUX_FUZZ "Build the libFuzzer fuzzers, target horalux_fuzzers (clang only)" OFF)

# ---- cmdtime ----------------------------------------------------------------------
set(HORALUX_NTP_SERVER "pool.ntp.org" CACHE STRING "Default server of the cmdtime SNTP client")

# ---- Updates ----------------------------------------------------------------------
# Where the program finds its vendor. An unconfigured build points at the
# reserved .invalid domain, so it never talks to a stranger's host.
set(HORALUX_DOWNLOAD_URL "https://download.horalux.invalid" CACHE STRING
    "Download server of the version list and the update program: https://host[:port]")
set(HORALUX_WEB_URL "https://www.horalux.invalid" CACHE STRING
    "Web site with the product's home page: https://host[:port]")
# Build folders made before https became the default still hold the old
# defaults; they move on with it (a value set by hand stays).
foreach(url_variable HORALUX_DOWNLOAD_URL HORALUX_WEB_URL)
    if("${${url_variable}}" MATCHES "^http://(download|www)\\.horalux\\.invalid$")
        string(REPLACE "http://" "https://" upgraded "${${url_variable}}")
        set_property(CACHE ${url_variable} PROPERTY VALUE "${upgraded}")
    endif()
endforeach()
option(HORALUX_ALLOW_HTTP "Allow a plain http:// download server (loopback tests, a local mirror)" OFF)
foreach(url_variable HORALUX_DOWNLOAD_URL HORALUX_WEB_URL)
    if(NOT "${${url_variable}}" MATCHES "^https?://[^/?#]+/?$")
        message(FATAL_ERROR "${url_variable} must be https:// (or http://) with a host and an optional port, "
                            "nothing else; it is \"${${url_variable}}\"")
    endif()
endforeach()
if(HORALUX_DOWNLOAD_URL MATCHES "^http://" AND NOT HORALUX_ALLOW_HTTP)
    message(FATAL_ERROR "HORALUX_DOWNLOAD_URL is plain http:// (\"${HORALUX_DOWNLOAD_URL}\"): anyone on the way "
                        "could change what the clock downloads. Use https://, or configure with "
                        "-DHORALUX_ALLOW_HTTP=ON for a loopback test or a local mirror.")
endif()

# Who may publish an update program: Ed25519 public keys, each the base64 of
# its 32 raw bytes (scripts/sign-update.sh prints them). Without one, no
# downloaded program is ever started.
set(HORALUX_UPDATE_PUBLIC_KEYS "" CACHE STRING
    "Comma-separated base64 Ed25519 public keys that may sign update programs")
string(REPLACE "," ";" horalux_update_keys "${HORALUX_UPDATE_PUBLIC_KEYS}")
foreach(key IN LISTS horalux_update_keys)
    string(STRIP "${key}" key)
    # 32 bytes are 43 base64 digits (the last holding 4 bits) and one "=".
    string(LENGTH "${key}" key_length)
    if(NOT key_length EQUAL 44 OR NOT key MATCHES "^[A-Za-z0-9+/]+[AEIMQUYcgkosw048]=$")
        message(FATAL_ERROR "HORALUX_UPDATE_PUBLIC_KEYS: \"${key}\" is not the base64 of a 32-byte Ed25519 public "
                            "key (scripts/sign-update.sh pubkey KEY.pem prints one)")
    endif()
endforeach()
option(HORALUX_SELF_UPDATE "Download and start signed update programs (OFF: only say that a new version exists)" ON)
set(HORALUX_UPDATE_MAX_BYTES 268435456 CACHE STRING "Largest update program the clock downloads, in bytes")
if(NOT HORALUX_UPDATE_MAX_BYTES MATCHES "^[1-9][0-9]*$" OR HORALUX_UPDATE_MAX_BYTES GREATER 2147483647)
    message(FATAL_ERROR "HORALUX_UPDATE_MAX_BYTES must be a number of bytes from 1 to 2147483647; "
                        "it is \"${HORALUX_UPDATE_MAX_BYTES}\"")
endif()
if(HORALUX_SELF_UPDATE)
    set(horalux_self_update 1)
else()
    set(horalux_self_update 0)
endif()
