// The Qt implementation of the common dialogs, and the dialogs() switch.
#include "platform/Dialogs.h"
#include "platform/LinkDialog.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QVBoxLayout>
#include <cstdlib>
#include <limits>

QString qtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i].trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns)
            p = p.trimmed();
        patterns.removeAll(QString());
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        // The description often repeats the pattern in brackets already; the
        // toolkit reads the patterns from a trailing bracket, so put the real
        // ones there once.
        if (desc.endsWith(QLatin1Char(')'))) {
            const qsizetype open = desc.lastIndexOf(QLatin1Char('('));
            if (open >= 0)
                desc = desc.left(open).trimmed();
        }
        if (desc.isEmpty())
            desc = patterns.join(QLatin1Char(' '));
        out << QStringLiteral("%1 (%2)").arg(desc, patterns.join(QLatin1Char(' ')));
    }
    if (out.isEmpty() && !filter.trimmed().isEmpty())
        out << filter.trimmed();
    return out.join(QStringLiteral(";;"));
}

namespace {

// The standard sixteen text colours of a font dialog.
const std::pair<const char*, ColorValue> FontColors[] = {
    {"Black", Color::rgb(0, 0, 0)},        {"Maroon", Color::rgb(128, 0, 0)},   {"Green", Color::rgb(0, 128, 0)},
    {"Olive", Color::rgb(128, 128, 0)},    {"Navy", Color::rgb(0, 0, 128)},     {"Purple", Color::rgb(128, 0, 128)},
    {"Teal", Color::rgb(0, 128, 128)},     {"Gray", Color::rgb(128, 128, 128)}, {"Silver", Color::rgb(192, 192, 192)},
    {"Red", Color::rgb(255, 0, 0)},        {"Lime", Color::rgb(0, 255, 0)},     {"Yellow", Color::rgb(255, 255, 0)},
    {"Blue", Color::rgb(0, 0, 255)},       {"Fuchsia", Color::rgb(255, 0, 255)}, {"Aqua", Color::rgb(0, 255, 255)},
    {"White", Color::rgb(255, 255, 255)},
};

// The face of f's family with f's slant and the nearest weight, preferring
// faces of normal width; empty when the family lists f's style already.
QString matchingFace(const QFont& f) {
    const QStringList faces = QFontDatabase::styles(f.family());
    if (faces.contains(QFontDatabase::styleString(f), Qt::CaseInsensitive))
        return QString();
    QString best;
    int bestScore = std::numeric_limits<int>::max();
    for (const QString& face : faces) {
        int score = std::abs(QFontDatabase::weight(f.family(), face) - int(f.weight()));
        // The database may not count an "Oblique" face as slanted.
        const bool slanted = QFontDatabase::italic(f.family(), face) ||
                             face.contains(QLatin1String("Italic"), Qt::CaseInsensitive) ||
                             face.contains(QLatin1String("Oblique"), Qt::CaseInsensitive);
        if (slanted != f.italic())
            score += 100000;
        for (const char* width : {"Condensed", "Expanded", "Narrow", "Wide"})
            if (face.contains(QLatin1String(width), Qt::CaseInsensitive))
                score += 1000;
        if (score < bestScore) {
            bestScore = score;
            best = face;
        }
    }
    return best;
}

class QtDialogs : public Dialogs {
public:
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& filter) override {
        const QString path = QFileDialog::getOpenFileName(parent, title, lastFileName, qtFileFilter(filter));
        if (path.isEmpty())
            return std::nullopt;
        lastFileName = QFileInfo(path).absoluteFilePath();
        return lastFileName;
    }

    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& suggested) override {
        const QString path = QFileDialog::getSaveFileName(parent, title, suggested, qtFileFilter(filter));
        if (path.isEmpty())
            return std::nullopt;
        return QFileInfo(path).absoluteFilePath();
    }

    std::optional<ColorValue> chooseColor(QWidget* parent, std::optional<ColorValue> initial, bool) override {
        // The toolkit's colour dialog always shows its custom-colour section.
        const QColor c = QColorDialog::getColor(Color::toQColor(initial.value_or(Color::White)), parent,
                                                QStringLiteral("Color"));
        if (!c.isValid())
            return std::nullopt;
        return Color::fromQColor(c);
    }

    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& current) override {
        QDialog box(parent);
        box.setWindowTitle(QStringLiteral("Font"));
        auto* fonts = new QFontDialog(&box);
        fonts->setWindowFlags(Qt::Widget);
        fonts->setOptions(QFontDialog::NoButtons);
        QFont f(current.name);
        f.setPointSizeF(current.size > 0 ? current.size : 10.0);
        f.setBold(current.bold);
        f.setItalic(current.italic);
        f.setUnderline(current.underline);
        f.setStrikeOut(current.strikethrough);
        // A family the system only knows by substitution (an alias or a
        // missing font) would lose its bold or italic in the chooser: show
        // the family that is actually used instead.
        if (!QFontDatabase::styles(f.family()).contains(QFontDatabase::styleString(f), Qt::CaseInsensitive))
            f.setFamily(QFontInfo(f).family());
        // A family whose regular face has its own name ("Book") would show
        // its first face (often "Oblique") and hand that back: name the face
        // that matches the weight and slant.
        if (const QString face = matchingFace(f); !face.isEmpty())
            f.setStyleName(face);
        fonts->setCurrentFont(f);

        auto* colors = new QComboBox(&box);
        colors->setObjectName(QStringLiteral("cboFontColor"));
        int chosen = -1;
        for (const auto& [name, value] : FontColors) {
            QPixmap swatch(16, 12);
            swatch.fill(Color::toQColor(value));
            colors->addItem(QIcon(swatch), QString::fromLatin1(name), QVariant::fromValue(quint32(value)));
            if (value == current.color)
                chosen = colors->count() - 1;
        }
        if (chosen < 0) { // a colour of its own stays selectable
            QPixmap swatch(16, 12);
            swatch.fill(Color::toQColor(current.color));
            colors->addItem(QIcon(swatch), QStringLiteral("Custom"), QVariant::fromValue(quint32(current.color)));
            chosen = colors->count() - 1;
        }
        colors->setCurrentIndex(chosen);

        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
        auto* colorRow = new QHBoxLayout;
        colorRow->addWidget(new QLabel(QStringLiteral("Color:"), &box));
        colorRow->addWidget(colors, 1);
        auto* layout = new QVBoxLayout(&box);
        layout->addWidget(fonts);
        layout->addLayout(colorRow);
        layout->addWidget(buttons);
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;

        const QFont r = fonts->currentFont();
        FontChoice out;
        out.name = r.family();
        out.size = r.pointSizeF() > 0 ? r.pointSizeF() : current.size;
        out.bold = r.bold();
        out.italic = r.italic();
        out.underline = r.underline();
        out.strikethrough = r.strikeOut();
        out.color = ColorValue(colors->currentData().toUInt());
        return out;
    }

    std::optional<QString> chooseFolder(QWidget* parent, const QString& title) override {
        // The toolkit's folder chooser has its own "new folder" button.
        const QString dir = QFileDialog::getExistingDirectory(parent, title, QString(), QFileDialog::ShowDirsOnly);
        if (dir.isEmpty())
            return std::nullopt;
        return dir;
    }

    std::optional<LinkChoice> editLink(QWidget* parent, const LinkChoice& current, bool existing) override {
        return ShowLinkDialog(parent, current, existing);
    }
    QString inputBox(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText) override {
        bool ok = false;
        const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
        return ok ? text : QString();
    }

    MsgAnswer message(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons) override {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setText(text);
        switch (icon) {
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        }
        MsgAnswer closed = MsgAnswer::Ok;
        switch (buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
        case MsgButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            closed = MsgAnswer::Cancel;
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            closed = MsgAnswer::No;
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            closed = MsgAnswer::Cancel;
            break;
        case MsgButtons::SaveDiscardCancel:
            box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Save);
            box.setEscapeButton(QMessageBox::Cancel);
            closed = MsgAnswer::Cancel;
            break;
        }
        box.exec();
        switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Ok: return MsgAnswer::Ok;
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        case QMessageBox::Save: return MsgAnswer::Yes;
        case QMessageBox::Discard: return MsgAnswer::No;
        default: return closed;
        }
    }
};

Dialogs* installed = nullptr;

} // namespace

Dialogs& dialogs() {
    static QtDialogs real;
    return installed ? *installed : real;
}

void setDialogs(Dialogs* d) { installed = d; }
