// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/http_module.h"

#include "http/curl_http.h"
#include "http/ed25519_check.h"

extern "C" Q_DECL_EXPORT platform::Http *horalux_create_http(platform::EventPump *events)
{
    return new platform::CurlHttp(*events);
}

extern "C" Q_DECL_EXPORT platform::SignatureCheck *horalux_create_signature_check()
{
    return new platform::Ed25519Check;
}
