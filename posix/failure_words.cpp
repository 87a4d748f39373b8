// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/failure_words.h"

#include <cerrno>

namespace posix {

using namespace Qt::StringLiterals;

QString causeInWords(int error)
{
    QString words;
    switch (error) {
    case ENOSPC:
    case EDQUOT: words = u"the disk is full"_s; break;
    case EROFS: words = u"the disk is read-only"_s; break;
    case EACCES:
    case EPERM: words = u"the folder may not be written to"_s; break;
    case EFBIG: words = u"the file would be larger than this program may write"_s; break;
    case EIO: words = u"the disk reported an error"_s; break;
    default: return qt_error_string(error);
    }
    return u"%1 (%2)"_s.arg(words, qt_error_string(error));
}

} // namespace posix
