// A link opener for window tests that opens nothing and reports no failure.
#pragma once

#include "ui/look/link_label.h"

namespace pennix::testing {

class QuietOpener : public LinkOpener {
  public:
    std::optional<LinkFailure> Open(const QString&) override { return std::nullopt; }
};

// One for every window a test makes: the window keeps a reference to it.
inline LinkOpener& QuietLinks() {
    static QuietOpener opener;
    return opener;
}

}  // namespace pennix::testing
