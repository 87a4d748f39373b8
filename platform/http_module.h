// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {
class EventPump;
class Http;
class SignatureCheck;
} // namespace platform

// The entry points of the library in http/ that the program loads at its
// first need: the transfer control and, with it, the signature check
// (libcurl and libcrypto come together).
extern "C" platform::Http *horalux_create_http(platform::EventPump *events);
using CreateHttpFunction = platform::Http *(*)(platform::EventPump *events);
extern "C" platform::SignatureCheck *horalux_create_signature_check();
using CreateSignatureCheckFunction = platform::SignatureCheck *(*)();
