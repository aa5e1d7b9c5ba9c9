// The web link shared by the main window and the note window, and what opens its address.
#pragma once

#include <QLabel>
#include <QString>
#include <functional>
#include <optional>

namespace pennix {

// Why an address could not be opened: the text and number the failure message shows.
struct LinkFailure {
    QString description;
    int number = 0;

    bool operator==(const LinkFailure&) const = default;
};

class LinkOpener {
  public:
    using LateFailure = std::function<void(const LinkFailure&)>;

    virtual ~LinkOpener() = default;

    // Hands the address to a program that shows it and returns without waiting for it; says why
    // when that could not be done.
    virtual std::optional<LinkFailure> Open(const QString& address) = 0;

    // As Open, and a failure that shows only once that program has ended is passed to
    // `failed_later`, from the event loop. Unless an opener knows better, none comes late.
    virtual std::optional<LinkFailure> OpenWatched(const QString& address,
                                                   const LateFailure& failed_later) {
        (void)failed_later;
        return Open(address);
    }
};

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

// The opener the windows use unless they are given another one.
LinkOpener& DefaultLinkOpener();

// "Unable to load '<address>' : <description> (Error <number>)".
QString UnableToLoadText(const QString& address, const LinkFailure& failure);

// Opens the address; a failure is reported in a message titled with the application's title
// over `window`, which stays open either way.
void OpenLink(QWidget* window, const QString& address, LinkOpener& opener);

// A label that looks and acts as a link: underlined, a hand over it, and a click opens the very
// text it shows. Its colours and face beyond the underline are the holder's to set.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    LinkLabel(const QString& address, QWidget* parent, LinkOpener& opener = DefaultLinkOpener());

    void SetOpener(LinkOpener& opener) { opener_ = &opener; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    LinkOpener* opener_;
    bool pressed_ = false;
    std::optional<quint64> opened_at_;  // when the last release opened the page
};

}  // namespace pennix
