#pragma once
// The content editor `AdvencedEditor` (" HTML Advanced Editor"): the content
// inside a mock-up of the box, between two marker comments, edited in place
// on an edit view, with a source view, browse mode and tag display. Saving
// writes the text between the markers into the host's content box.
//
// Modal over its owner; deletes itself when closed. Closing with unsaved
// changes asks first; a write-back always finishes before the window closes.
#include "editor/EditorHost.h"
#include "platform/EditView.h"

#include <QHash>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QAbstractButton;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

class AdvencedEditor : public QWidget {
    Q_OBJECT
public:
    // view: the edit view to use (owned; its widget is placed in the window);
    // nullptr makes the browser-engine view.
    AdvencedEditor(std::unique_ptr<EditorHost> host, QWidget* owner, EditView* view = nullptr);
    ~AdvencedEditor() override;

    // Colour dialog (custom colours open): "#RRGGBB", or empty when cancelled.
    QString getColor();

    // State, for the window's users and tests.
    bool isChanged() const { return changed_; }
    bool inSourceView() const { return sourceView_; }
    bool isLoaded() const { return loaded_; }
    bool isSaving() const { return saving_; }
    EditView& view() const { return *view_; }

    // The 30 buttons disabled in the source view, by objectName.
    static const QStringList& DesignOnlyButtons();
    // Where the view and the source box go for a client area of `inner`
    // pixels: left 100 and top 1500 twips, inner width - 200 by inner height
    // - 1600 twips; a size that would not be positive keeps `old`'s.
    static QRect ViewArea(QSize inner, const QRect& old);

public slots:
    void save2();
    void exitEditor();
    void viewSource();
    void design();
    void toggleBrowse();
    void toggleDetails();
    void insertImage();
    void insertTable();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void placeToolbar();
    void loadDocument();
    void connectView();
    void command(EditCommand c, const QString& value = QString());
    void chooseFont();
    void askHyperlink();
    void askFind();
    // AdvencedEditorContent.cpp: pasting, the link dialog, the source view's
    // highlighting and the caret kept across the views.
    void setUpContentEditing();
    void pasteContent(const QString& html, const QString& text);
    void editLink(const LinkInfo& at);
    void showSource(const QString& html, qsizetype caret);
    QString sourceWithCaret() const;
    // Read the document (or take the source text) and write the content back;
    // then(ok) runs afterwards unless the window is gone.
    void writeBack(const std::function<void(bool)>& then);
    bool applyWriteBack(const QString& document);
    void setDesignControlsEnabled(bool on);
    void finishClose();
    template <class Dialog> void insertThrough(QString& handed, QString (*adapt)(const QString&) = nullptr);
    // A callback that runs `f` only while this window lives.
    template <class F> auto guard(F f);

    std::unique_ptr<EditorHost> host_;
    EditView* view_ = nullptr;
    QWidget* central_ = nullptr;
    QPlainTextEdit* source_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* picture1_ = nullptr;
    QToolButton* picture2_ = nullptr;
    QHash<QString, QToolButton*> buttons_;
    EditorFields fields_;                 // as read when the window loaded
    std::optional<QString> loadedExtract_; // the content as the freshly loaded document gives it
    QString sourceShown_;                 // the text put into the source box
    bool changed_ = false;
    bool sourceView_ = false;
    bool loaded_ = false;
    bool saving_ = false;
    bool lost_ = false;        // the edit view stopped; the document is gone
    bool closeReady_ = false;  // the close rule has run; the next close goes through
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
