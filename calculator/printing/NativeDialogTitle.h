#pragma once

#include <QString>

namespace abacor {

// For as long as it lives, the first native dialog this thread opens shows
// `title`: Windows' print dialog takes no title from Qt and would say
// "Print". Elsewhere Qt's own dialogs take the title and this does nothing.
class NativeDialogTitle {
public:
    explicit NativeDialogTitle(const QString& title);
    ~NativeDialogTitle();
    NativeDialogTitle(const NativeDialogTitle&) = delete;
    NativeDialogTitle& operator=(const NativeDialogTitle&) = delete;
};

}  // namespace abacor
