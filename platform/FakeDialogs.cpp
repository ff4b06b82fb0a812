// Scripted dialogs and shell for tests.
#include "platform/FakeDialogs.h"

#include <QUrl>

#include <QFileInfo>

namespace {

template <class T> T takeFront(std::deque<T>& queue, T whenEmpty) {
    if (queue.empty())
        return whenEmpty;
    T v = std::move(queue.front());
    queue.pop_front();
    return v;
}

template <class U> std::optional<U> takeAnswer(std::deque<std::optional<U>>& queue) {
    if (queue.empty())
        return std::nullopt;
    const bool given = queue.front().has_value();
    U v = given ? *queue.front() : U();
    queue.pop_front();
    if (!given)
        return std::nullopt;
    return v;
}

} // namespace

FakeDialogs::FakeDialogs() { setDialogs(this); }

FakeDialogs::~FakeDialogs() {
    if (&dialogs() == this)
        setDialogs(nullptr);
}

QStringList FakeDialogs::messages() const {
    QStringList out;
    for (const Shown& s : shown)
        if (s.kind == QLatin1String("message"))
            out << s.text;
    return out;
}

std::optional<QString> FakeDialogs::openFile(QWidget*, const QString& title, const QString& filter) {
    shown.push_back({QStringLiteral("openFile"), filter, title});
    auto answer = takeAnswer(openFileAnswers);
    if (answer)
        lastFileName = *answer;
    return answer;
}

std::optional<QString> FakeDialogs::saveFile(QWidget*, const QString& title, const QString& filter,
                                             const QString& suggested) {
    shown.push_back({QStringLiteral("saveFile"), filter + QLatin1Char('|') + suggested, title});
    return takeAnswer(saveFileAnswers);
}

std::optional<ColorValue> FakeDialogs::chooseColor(QWidget*, std::optional<ColorValue> initial, bool fullOpen) {
    Shown s{QStringLiteral("color"), initial ? QString::number(*initial) : QString(), QString()};
    s.text += fullOpen ? QStringLiteral(" full") : QString();
    shown.push_back(s);
    return takeAnswer(colorAnswers);
}

std::optional<FontChoice> FakeDialogs::chooseFont(QWidget*, const FontChoice& current) {
    shown.push_back({QStringLiteral("font"), current.name, QString()});
    fontsOffered.push_back(current);
    return takeAnswer(fontAnswers);
}

std::optional<QString> FakeDialogs::chooseFolder(QWidget*, const QString& title) {
    shown.push_back({QStringLiteral("folder"), QString(), title});
    return takeAnswer(folderAnswers);
}

QString FakeDialogs::inputBox(QWidget*, const QString& prompt, const QString& title, const QString& defaultText) {
    shown.push_back({QStringLiteral("input"), prompt, title});
    shown.back().defaultText = defaultText;
    return takeFront(inputAnswers, QString());
}

MsgAnswer FakeDialogs::message(QWidget*, const QString& text, const QString& title, MsgIcon icon,
                               MsgButtons buttons) {
    shown.push_back({QStringLiteral("message"), text, title, icon, buttons});
    MsgAnswer closed = MsgAnswer::Ok;
    switch (buttons) {
    case MsgButtons::Ok: closed = MsgAnswer::Ok; break;
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::SaveDiscardCancel: closed = MsgAnswer::Cancel; break;
    case MsgButtons::YesNo: closed = MsgAnswer::No; break;
    }
    return takeFront(messageAnswers, closed);
}

FakeShell::FakeShell() { setShell(this); }

FakeShell::~FakeShell() {
    if (&shell() == this)
        setShell(nullptr);
}

CopyResult FakeShell::copyFile(QWidget* parent, const QString& source, const QString& destination) {
    if (failCopies)
        return CopyResult::Failed;
    return Shell::copyFile(parent, source, destination);
}

bool FakeShell::openUrl(const QUrl& url) {
    openedUrls << url.toString();
    return true;
}

bool FakeShell::openDocument(const QString& path) {
    opened << path;
    return true;
}

bool FakeShell::startProgram(const QString& program, const QStringList& arguments) {
    started << (QStringList{program} + arguments);
    return true;
}

QString FakeShell::findProgram(const QString& name) {
    return programsOnPath.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
}

std::optional<LinkChoice> FakeDialogs::editLink(QWidget*, const LinkChoice& current, bool existing) {
    shown.push_back({QStringLiteral("link"), current.address, existing ? QStringLiteral("existing") : QString()});
    linksOffered.push_back(current);
    return takeFront(linkAnswers, std::optional<LinkChoice>());
}
