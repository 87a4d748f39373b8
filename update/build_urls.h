// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program finds its vendor, fixed when it is built.
namespace build_urls {

// The download server: the version list and the update program. Scheme, host
// and an optional port, without a trailing "/".
QString downloadServer();
// The web site with the home page, in the same form.
QString webSite();
// What the user is told to type: the host (and port, when there is one)
// without the scheme.
QString hostOf(const QString &baseUrl);

} // namespace build_urls
