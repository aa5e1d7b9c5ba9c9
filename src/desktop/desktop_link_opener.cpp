// Checking a link's address and handing it to xdg-open, watched for a late failure.
#include "desktop_link_opener.h"

#include <QCoreApplication>
#include <QUrl>

#include "desktop/program_search.h"
#include "desktop/watched_start.h"

namespace pennix {

namespace {

LinkFailure NoBrowser() {
    return {QT_TRANSLATE_NOOP("LinkFailure", "No program to open web addresses could be started"),
            DesktopLinkOpener::kNoBrowser};
}

}  // namespace

DesktopLinkOpener::DesktopLinkOpener() : DesktopLinkOpener(qEnvironmentVariable("PATH")) {}

DesktopLinkOpener::DesktopLinkOpener(QString search_path) : search_path_(std::move(search_path)) {}

std::optional<LinkFailure> DesktopLinkOpener::Open(const QString& address) {
    return OpenWatched(address, {});
}

std::optional<LinkFailure> DesktopLinkOpener::OpenWatched(const QString& address,
                                                          const LateFailure& failed_later) {
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "http" && scheme != "https")) {
        return LinkFailure{QT_TRANSLATE_NOOP("LinkFailure", "Not a web address"), kNotWebAddress};
    }
    const QString opener = FindProgram({"xdg-open"}, search_path_);
    // xdg-open ends with a failure at once when it finds no browser. Where it runs the browser
    // itself it ends with it, maybe hours later: a browser closed by a signal is no failure to
    // open the page.
    const auto ended = [failed_later](std::optional<int> exit_status) {
        if (exit_status.value_or(0) != 0 && failed_later) {
            failed_later(NoBrowser());
        }
    };
    if (opener.isEmpty() || !StartWatched(opener, {url.toString(QUrl::FullyEncoded)}, ended)) {
        return NoBrowser();
    }
    return std::nullopt;
}

}  // namespace pennix
