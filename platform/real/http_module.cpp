#include "platform/real/http_module.h"

#include "platform/real/qt_http.h"

extern "C" Q_DECL_EXPORT platform::Http *horalux_create_http(platform::EventPump *events)
{
    return new platform::QtHttp(*events);
}
