#pragma once

namespace platform {
class EventPump;
class Http;
}

// The one entry point of the loadable transfer-control module.
extern "C" platform::Http *horalux_create_http(platform::EventPump *events);
using CreateHttpFunction = platform::Http *(*)(platform::EventPump *events);
