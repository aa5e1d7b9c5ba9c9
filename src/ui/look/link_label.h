// The web link shared by the main window and the note window, and the interface of what opens
// its address (the desktop library has the one the game uses).
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

// What hands an address to a program that shows it.
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
    LinkLabel(const QString& address, QWidget* parent, LinkOpener& opener);

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
