// Opening the game's links in the desktop's default browser through xdg-open.
#pragma once

#include <QString>
#include <optional>

#include "ui/look/link_label.h"

namespace pennix {

// Opens web addresses in the desktop's default browser through xdg-open. Its failures:
//   1 "Not a web address": the text is not a valid http or https address. Nothing is started,
//     so a link can never run a program or open a local file.
//   2 "No program to open web addresses could be started": there is no xdg-open, it could not
//     be started, or it ended with a failure (no browser, say), which is reported late.
class DesktopLinkOpener : public LinkOpener {
  public:
    static constexpr int kNotWebAddress = 1;
    static constexpr int kNoBrowser = 2;

    // xdg-open is looked for in the PATH of the environment the game was started in, or in
    // `search_path`, never in the current folder.
    DesktopLinkOpener();
    explicit DesktopLinkOpener(QString search_path);

    std::optional<LinkFailure> Open(const QString& address) override;
    std::optional<LinkFailure> OpenWatched(const QString& address,
                                           const LateFailure& failed_later) override;

  private:
    QString search_path_;
};

}  // namespace pennix
