// The web link shared by the main window and the note window, and what opens its address.
#pragma once

#include <QLabel>
#include <QString>
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
    virtual ~LinkOpener() = default;

    // Hands the address to a program that shows it and returns without waiting for it; says why
    // when that could not be done.
    virtual std::optional<LinkFailure> Open(const QString& address) = 0;
};

// Opens web addresses in the desktop's default browser. Its failures:
//   1 "Not a web address": the text is not a valid http or https address. Nothing is started,
//     so a link can never run a program or open a local file.
//   2 "No program to open web addresses could be started": the desktop has no handler for
//     web addresses, or it could not be started.
class DesktopLinkOpener : public LinkOpener {
  public:
    static constexpr int kNotWebAddress = 1;
    static constexpr int kNoBrowser = 2;

    std::optional<LinkFailure> Open(const QString& address) override;
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
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    LinkOpener* opener_;
    bool pressed_ = false;
};

}  // namespace pennix
