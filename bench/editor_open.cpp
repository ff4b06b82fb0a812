// Opening the content editor to an editable document and saving it back, on a
// 100 KB content, against loading the same HTML into a bare QWebEngineView in
// the same run. Goals: open under 300 ms, save under 50 ms.
//   QT_QPA_PLATFORM=offscreen QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu" build/bench/bench_editor_open
#include "bench/bench_timing.h"
#include "editor/AdvencedEditor.h"
#include "platform/AppFolder.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QWebEngineView>
#include <cstdio>
#include <memory>

namespace {
// Run events until `done` holds (or 30 s passed).
template <class F> void waitFor(F done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
}

QString content100k() {
    QString s;
    while (s.size() < 100 * 1024)
        s += QStringLiteral("<p>Paragraph with <b>bold</b>, <i>italic</i> and a <a href=\"x.html\">link</a>.</p>");
    return s;
}

struct Host : EditorHost {
    QString content;
    int writes = 0;
    EditorFields fields() const override {
        return {"Default", "400", "300", "1", "#000000", "4", "solid", content};
    }
    void setContentHtml(const QString& html) override {
        content = html;
        ++writes;
    }
};

void print(const char* what, const Comparison& c) {
    std::printf("%-34s median %8.1f ms wall  (best %8.1f)   peer median %8.1f ms  (best %8.1f)\n", what,
                c.medianA.wallMs, c.bestA.wallMs, c.medianB.wallMs, c.bestB.wallMs);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + "/samples/Wisplet_Files");
    AppFolder::setPath(dir.path());
    const QString content = content100k();
    const QString page = EditorTemplate({"Default", "400", "300", "1", "#000000", "4", "solid", content});
    constexpr int Runs = 7;

    std::unique_ptr<AdvencedEditor> editor;
    Host* host = nullptr;
    auto openEditor = [&] {
        editor.reset();
        auto h = std::make_unique<Host>();
        h->content = content;
        host = h.get();
        return timeInProcess([&] {
            editor = std::make_unique<AdvencedEditor>(std::move(h), nullptr);
            editor->show();
            waitFor([&] { return editor->isLoaded(); });
        });
    };
    // The peer: a new bare view each time, as the editor makes its view anew.
    std::unique_ptr<QWebEngineView> bare;
    auto loadBare = [&] {
        bare.reset();
        return timeInProcess([&] {
            bare = std::make_unique<QWebEngineView>();
            bare->resize(760, 430);
            bare->show();
            bool done = false;
            QObject::connect(bare.get(), &QWebEngineView::loadFinished, [&](bool) { done = true; });
            bare->setHtml(page, QUrl::fromLocalFile(dir.path() + "/samples/"));
            waitFor([&] { return done; });
        });
    };
    print("open editor / bare setHtml", compareAlternately(Runs, openEditor, loadBare));

    auto save = [&] {
        if (!editor || !editor->isLoaded())
            openEditor();
        const int before = host->writes;
        return timeInProcess([&] {
            editor->save2();
            waitFor([&] { return host->writes > before; });
        });
    };
    auto readBare = [&] {
        return timeInProcess([&] {
            bool done = false;
            bare->page()->toHtml([&](const QString&) { done = true; });
            waitFor([&] { return done; });
        });
    };
    print("save to content / bare toHtml", compareAlternately(Runs, save, readBare));
    editor.reset();
    return 0;
}
