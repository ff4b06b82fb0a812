// Design documents: design.json and the .wisplet container written and read
// back, every kind of bad input refused with a message, and the pictures put
// back into the application folder.
#include "designer/DesignArchive.h"
#include "designer/DesignDocument.h"
#include "designer/DesignPictures.h"
#include "tests/designer/design_pictures.h"
#include "tests/support/TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
DesignDocument withPictures() {
    DesignDocument d;
    d.settings.contentHtml = QStringLiteral("<img src=\"Wisplet_Files\\MyImage1.jpg\"><img src=Wisplet_Files/MyImage2.gif>");
    d.background = DesignBackground{2, QStringLiteral("frame.jpg"), QStringLiteral("pictures/frame.jpg"), jpegBytes(40, 30)};
    d.settings.backCategory = 2;
    d.settings.backImage = QStringLiteral("frame.jpg");
    d.images = {{QStringLiteral("MyImage1.jpg"), QStringLiteral("pictures/MyImage1.jpg"), jpegBytes(8, 8)},
                {QStringLiteral("MyImage2.gif"), QStringLiteral("pictures/MyImage2.gif"), gifBytes()}};
    return d;
}

QByteArray container(const QList<ArchiveEntry>& entries) { return WriteArchive(entries); }

QByteArray mimetype() { return QByteArray(DesignMimeType); }
} // namespace

TEST(DesignDocument, DefaultsWriteTheDocumentedJson) {
    const QJsonObject o = QJsonDocument::fromJson(DesignToJson(DesignDocument())).object();
    const QJsonObject expected = QJsonDocument::fromJson(R"({"format": "wisplet-design", "version": 1,
      "settings": {"width": "100", "height": "100", "padIn": "0", "padOut": "0",
                   "borderStyle": 0, "borderWidth": "0", "borderColor": "#FFFFFF", "bgColor": "#FFFFFF",
                   "align": 0, "entrance": 0, "waiting": "2", "contentEntrance": 0, "duration": "1",
                   "content": ""},
      "background": null, "images": []})").object();
    EXPECT_EQ(o, expected);
}

TEST(DesignDocument, SettingsSurviveTheRoundTrip) {
    std::vector<std::function<void(WispletSettings&)>> changes = {
        [](WispletSettings&) {},
        [](WispletSettings& s) { s.contentHtml = QStringLiteral("It's <b>l'été</b>\r\nsecond line\n\"quoted\" \\ \t"); },
        [](WispletSettings& s) { s.contentHtml = QString::fromUtf8("日本語 ✓ \xF0\x9F\x98\x80 </script>"); },
        [](WispletSettings& s) { s.width = "007"; s.height = ""; s.padIn = "9"; s.padOut = "1"; s.borderWidth = "12345"; },
        [](WispletSettings& s) { s.waiting = "0"; s.duration = "99"; s.borderColor = "#0A0B0C"; s.bgColor = "#ff0000"; },
        [](WispletSettings& s) { s.borderStyle = 4; s.align = 3; s.entrance = 2; s.contentEntrance = 61; },
        [](WispletSettings& s) { s.contentEntrance = 60; s.align = 1; s.borderStyle = 1; s.entrance = 1; },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        DesignDocument d;
        changes[i](d.settings);
        const DesignRead json = DesignFromJson(DesignToJson(d));
        ASSERT_TRUE(json.design) << i << json.error.toStdString();
        EXPECT_EQ(*json.design, d) << i;
        const DesignRead file = ReadDesign(WriteDesign(d));
        ASSERT_TRUE(file.design) << i << file.error.toStdString();
        EXPECT_EQ(*file.design, d) << i;
    }
}

TEST(DesignDocument, PicturesSurviveTheRoundTripAndTheContainerIsLaidOutAsDocumented) {
    const DesignDocument d = withPictures();
    const QByteArray bytes = WriteDesign(d);
    // The first entry is the uncompressed mimetype, readable at a fixed offset.
    EXPECT_EQ(bytes.mid(30, 8), "mimetype");
    EXPECT_EQ(bytes.mid(38, 28), mimetype());
    const ArchiveRead archive = ReadArchive(bytes);
    ASSERT_TRUE(archive.ok());
    QStringList names;
    for (const ArchiveEntry& e : archive.entries)
        names << e.name;
    EXPECT_EQ(names, QStringList({"mimetype", "design.json", "pictures/frame.jpg", "pictures/MyImage1.jpg",
                                  "pictures/MyImage2.gif"}));
    const DesignRead read = ReadDesign(bytes);
    ASSERT_TRUE(read.design) << read.error.toStdString();
    EXPECT_EQ(*read.design, d);
}

TEST(DesignDocument, UnknownKeysAreIgnored) {
    QJsonObject o = QJsonDocument::fromJson(DesignToJson(DesignDocument())).object();
    o.insert("comment", "made elsewhere");
    QJsonObject settings = o.value("settings").toObject();
    settings.insert("shadow", 3);
    o.insert("settings", settings);
    const DesignRead read = DesignFromJson(QJsonDocument(o).toJson());
    ASSERT_TRUE(read.design) << read.error.toStdString();
    EXPECT_EQ(*read.design, DesignDocument());
}

TEST(DesignDocument, BadInputIsRefusedWithAClearMessage) {
    const QByteArray good = DesignToJson(DesignDocument());
    auto edited = [&](const std::function<void(QJsonObject&)>& edit) {
        QJsonObject o = QJsonDocument::fromJson(good).object();
        edit(o);
        return QJsonDocument(o).toJson();
    };
    auto setting = [&](const char* key, const QJsonValue& v) {
        return edited([=](QJsonObject& o) {
            QJsonObject s = o.value("settings").toObject();
            s.insert(QLatin1String(key), v);
            o.insert("settings", s);
        });
    };
    auto design = [&](const QByteArray& json) {
        return container({{"mimetype", mimetype()}, {"design.json", json, true}});
    };
    const QByteArray zeros(2 * 1024 * 1024, '\0');
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* message; // part of the message
    };
    const Case cases[] = {
        {"empty file", QByteArray(), "not a ZIP"},
        {"not a ZIP", QByteArray("PK\x03\x04 this is not really a zip file at all"), "not a ZIP"},
        {"a picture", jpegBytes(4, 4), "not a ZIP"},
        {"no mimetype", container({{"design.json", good}}), "no \"mimetype\""},
        {"other mimetype", container({{"mimetype", "application/zip"}, {"design.json", good}}), "application/zip"},
        {"no design.json", container({{"mimetype", mimetype()}}), "no design.json"},
        {"malformed JSON", design("{\"format\": \"wisplet-design\", "), "not valid JSON"},
        {"JSON not an object", design("[1, 2]"), "does not hold an object"},
        {"other format", design(edited([](QJsonObject& o) { o.insert("format", "drawing"); })), "not a wisplet design"},
        {"future version", design(edited([](QJsonObject& o) { o.insert("version", 7); })), "version 7"},
        {"version as text", design(edited([](QJsonObject& o) { o.insert("version", "1"); })), "\"version\""},
        {"settings missing", design(edited([](QJsonObject& o) { o.remove("settings"); })), "\"settings\" must be an object"},
        {"width missing", design(edited([](QJsonObject& o) {
             QJsonObject s = o.value("settings").toObject();
             s.remove("width");
             o.insert("settings", s);
         })),
         "\"settings.width\" must be a text, not missing"},
        {"number for a text", design(setting("width", 100)), "\"settings.width\" must be a text, not a number"},
        {"text for an index", design(setting("align", "1")), "\"settings.align\" must be a number"},
        {"index out of range", design(setting("contentEntrance", 62)), "from 0 to 61"},
        {"negative index", design(setting("borderStyle", -1)), "from 0 to 4"},
        {"fractional index", design(setting("entrance", 1.5)), "whole number"},
        {"letters in a number", design(setting("height", "1);alert(1);//")), "settings.height"},
        {"too many digits", design(setting("width", "1000")), "at most 3 digits"},
        {"bad colour", design(setting("bgColor", "red")), "#RRGGBB"},
        {"background not an object", design(edited([](QJsonObject& o) { o.insert("background", 3); })), "\"background\""},
        {"background category", design(edited([](QJsonObject& o) {
             o.insert("background", QJsonObject{{"category", 5}, {"name", "a.jpg"}, {"picture", "pictures/a.jpg"}});
         })),
         "from 1 to 4"},
        {"background name with a folder", design(edited([](QJsonObject& o) {
             o.insert("background", QJsonObject{{"category", 1}, {"name", "../a.jpg"}, {"picture", "pictures/a.jpg"}});
         })),
         "plain file name"},
        {"background picture missing", design(edited([](QJsonObject& o) {
             o.insert("background", QJsonObject{{"category", 1}, {"name", "a.jpg"}, {"picture", "pictures/a.jpg"}});
         })),
         "is missing"},
        {"image name", design(edited([](QJsonObject& o) {
             o.insert("images", QJsonArray{QJsonObject{{"name", "evil.js"}, {"picture", "pictures/evil.js"}}});
         })),
         "MyImage<number>"},
        {"image listed twice", design(edited([](QJsonObject& o) {
             const QJsonObject i{{"name", "MyImage1.jpg"}, {"picture", "pictures/MyImage1.jpg"}};
             o.insert("images", QJsonArray{i, QJsonObject{{"name", "MyImage1.gif"}, {"picture", "pictures/x.gif"}}});
         })),
         "listed twice"},
        {"picture that does not decode",
         container({{"mimetype", mimetype()},
                    {"design.json", edited([](QJsonObject& o) {
                         o.insert("images", QJsonArray{QJsonObject{{"name", "MyImage1.jpg"}, {"picture", "pictures/p.jpg"}}});
                     })},
                    {"pictures/p.jpg", "\xFF\xD8\xFF garbage"}}),
         "cannot be read as a picture"},
        {"picture naming design.json", design(edited([](QJsonObject& o) {
             o.insert("images", QJsonArray{QJsonObject{{"name", "MyImage1.jpg"}, {"picture", "design.json"}}});
         })),
         "not a picture"},
        {"entry with ..", container({{"mimetype", mimetype()}, {"design.json", good}, {"pictures/../../x.jpg", "x"}}), "unsafe name"},
        {"absolute entry", container({{"mimetype", mimetype()}, {"design.json", good}, {"/etc/x", "x"}}), "unsafe name"},
        {"backslash entry", container({{"mimetype", mimetype()}, {"design.json", good}, {"pictures\\x.jpg", "x"}}), "unsafe name"},
        {"compression ratio over 100", container({{"mimetype", mimetype()}, {"design.json", good}, {"pictures/z", zeros, true}}),
         "compressed more than 100 to 1"},
        {"entry over 64 MB",
         container({{"mimetype", mimetype()}, {"design.json", good}, {"pictures/big", QByteArray(65 * 1024 * 1024, 'x'), true}}),
         "larger than 64 MB"},
    };
    for (const Case& c : cases) {
        const DesignRead read = ReadDesign(c.bytes);
        EXPECT_FALSE(read.design) << c.what;
        EXPECT_TRUE(read.error.contains(QString::fromUtf8(c.message))) << c.what << ": " << read.error.toStdString();
    }
}

TEST(DesignDocument, TotalSizeOfAllEntriesIsLimited) {
    const QByteArray part(3 * 1024, 'a');
    const QByteArray bytes = container({{"a", part}, {"b", part}, {"c", part}});
    ArchiveLimits limits;
    limits.maxTotalSize = 8 * 1024;
    const ArchiveRead read = ReadArchive(bytes, limits);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.error.contains("larger than")) << read.error.toStdString();
    EXPECT_TRUE(ReadArchive(bytes).ok());
}

TEST(DesignDocument, SavingIsAtomicAndFailuresKeepTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("box.wisplet");
    QString error;
    ASSERT_TRUE(SaveDesignFile(path, withPictures(), &error)) << error.toStdString();
    const DesignRead first = ReadDesignFile(path);
    ASSERT_TRUE(first.design) << first.error.toStdString();
    EXPECT_EQ(*first.design, withPictures());
    // A folder the file cannot be created in: reported, old file untouched.
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    DesignDocument changed;
    changed.settings.width = "5";
    const bool saved = SaveDesignFile(path, changed, &error);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (::geteuid() != 0) { // root writes anyway
        EXPECT_FALSE(saved);
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(*ReadDesignFile(path).design, withPictures());
    }
    EXPECT_FALSE(SaveDesignFile(dir.filePath("no/such/folder/x.wisplet"), changed, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"box.wisplet"})); // no temporary left
}

TEST(DesignPictures, CollectedAndInstalledWithRenumberingOnClashes) {
    TempAppFolder app;
    app.write("backgrounds/borders/frame.jpg", withPictures().background->bytes);
    app.write("samples/Wisplet_Files/MyImage1.jpg", jpegBytes(8, 8));
    app.write("samples/Wisplet_Files/MyImage2.gif", gifBytes());
    WispletSettings s = withPictures().settings;
    const DesignDocument collected = CollectDesign(s, app.path());
    EXPECT_EQ(collected, withPictures());

    struct Case {
        const char* what;
        QList<std::pair<const char*, QByteArray>> existing; // files already in Wisplet_Files
        int imageCount;
        QStringList names;   // names after install
        int countAfter;
        const char* content; // content after install
    };
    const QString original = withPictures().settings.contentHtml;
    const Case cases[] = {
        {"empty folder", {}, 0, {"MyImage1.jpg", "MyImage2.gif"}, 2, nullptr},
        {"same pictures already there", {{"MyImage1.jpg", jpegBytes(8, 8)}, {"MyImage2.gif", gifBytes()}}, 2,
         {"MyImage1.jpg", "MyImage2.gif"}, 2, nullptr},
        {"count already higher", {}, 5, {"MyImage1.jpg", "MyImage2.gif"}, 5, nullptr},
        {"number 1 used by another picture", {{"MyImage1.jpg", jpegBytes(9, 9)}}, 1, {"MyImage3.jpg", "MyImage2.gif"}, 3,
         "<img src=\"Wisplet_Files\\MyImage3.jpg\"><img src=Wisplet_Files/MyImage2.gif>"},
        {"both numbers taken, other type", {{"MyImage1.gif", gifBytes()}, {"MyImage2.jpg", jpegBytes(3, 3)}}, 4,
         {"MyImage5.jpg", "MyImage6.gif"}, 6,
         "<img src=\"Wisplet_Files\\MyImage5.jpg\"><img src=Wisplet_Files/MyImage6.gif>"},
    };
    for (const Case& c : cases) {
        QDir(app.file("samples/Wisplet_Files")).removeRecursively();
        for (const auto& [name, bytes] : c.existing)
            app.write(QStringLiteral("samples/Wisplet_Files/") + name, bytes);
        DesignDocument d = withPictures();
        int count = c.imageCount;
        QString error;
        ASSERT_TRUE(InstallDesignImages(d, app.path(), count, &error)) << c.what;
        EXPECT_EQ(d.images[0].name, c.names[0]) << c.what;
        EXPECT_EQ(d.images[1].name, c.names[1]) << c.what;
        EXPECT_EQ(count, c.countAfter) << c.what;
        EXPECT_EQ(d.settings.contentHtml, c.content ? QString::fromUtf8(c.content) : original) << c.what;
        for (const DesignImage& image : d.images)
            EXPECT_EQ(app.read("samples/Wisplet_Files/" + image.name), image.bytes) << c.what;
    }
}

TEST(DesignPictures, BackgroundGoesBackIntoItsCategoryUnderAFreeName) {
    TempAppFolder app;
    const DesignBackground bg = *withPictures().background;
    QString error;
    EXPECT_EQ(PlaceDesignBackground(bg, app.path(), &error), "frame.jpg"); // missing: written
    EXPECT_EQ(app.read("backgrounds/borders/frame.jpg"), bg.bytes);
    EXPECT_EQ(PlaceDesignBackground(bg, app.path(), &error), "frame.jpg"); // same bytes: reused
    DesignBackground other = bg;
    other.bytes = jpegBytes(5, 5);
    EXPECT_EQ(PlaceDesignBackground(other, app.path(), &error), "frame-2.jpg"); // name taken: a free one
    EXPECT_EQ(app.read("backgrounds/borders/frame.jpg"), bg.bytes);
    EXPECT_EQ(app.read("backgrounds/borders/frame-2.jpg"), other.bytes);
}

TEST(DesignDocument, TheFiveSampleDesignsOpen) {
    const QDir designs(QStringLiteral(WISPLET_RESOURCES_DIR "/samples/designs"));
    const QStringList files = designs.entryList({"*.wisplet"}, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 5);
    for (const QString& name : files) {
        const DesignRead read = ReadDesignFile(designs.filePath(name));
        ASSERT_TRUE(read.design) << name.toStdString() << ": " << read.error.toStdString();
        EXPECT_TRUE(read.design->background) << name.toStdString();
        EXPECT_TRUE(read.design->settings.contentHtml.contains("Wisplet") ||
                    read.design->settings.contentHtml.contains("Slide"))
            << name.toStdString();
    }
}
