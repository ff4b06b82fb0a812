#pragma once
// A throw-away application folder for tests: a temporary directory laid out
// like the real one (optionally with the supplied files copied in), made the
// current application folder for the test's lifetime.
#include <QString>
#include <QTemporaryDir>

class TempAppFolder {
public:
    // withResources: copy the supplied tree from resources/ into the folder.
    explicit TempAppFolder(bool withResources = false);
    ~TempAppFolder();
    TempAppFolder(const TempAppFolder&) = delete;
    TempAppFolder& operator=(const TempAppFolder&) = delete;

    QString path() const;                      // without a trailing separator
    QString file(const QString& rel) const;    // path() + "/" + rel
    void write(const QString& rel, const QByteArray& bytes) const; // creates folders
    QByteArray read(const QString& rel) const; // empty when missing
    bool exists(const QString& rel) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};
