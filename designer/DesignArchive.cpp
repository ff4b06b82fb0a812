#include "designer/DesignArchive.h"

#include <zip.h>

#include <memory>

namespace {
QString zipErrorText(zip_error_t* error) {
    return QString::fromUtf8(zip_error_strerror(error));
}

struct ArchiveCloser {
    void operator()(zip_t* za) const { zip_discard(za); }
};
using ArchivePtr = std::unique_ptr<zip_t, ArchiveCloser>;
} // namespace

std::optional<QByteArray> ArchiveRead::find(const QString& name) const {
    for (const ArchiveEntry& e : entries)
        if (e.name == name)
            return e.data;
    return std::nullopt;
}

bool IsSafeEntryName(const QString& name) {
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char(':')) || name.contains(QChar(0)))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
        // An empty component only as the last one (a folder entry "pictures/").
        if (part.isEmpty() && i != parts.size() - 1)
            return false;
    }
    return true;
}

QByteArray WriteArchive(const QList<ArchiveEntry>& entries, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    zip_error_t zerr;
    zip_error_init(&zerr);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &zerr);
    if (!buffer)
        return fail(zipErrorText(&zerr));
    zip_t* za = zip_open_from_source(buffer, ZIP_TRUNCATE, &zerr);
    if (!za) {
        zip_source_free(buffer);
        return fail(zipErrorText(&zerr));
    }
    zip_source_keep(buffer); // the bytes are read back from it after zip_close
    for (const ArchiveEntry& e : entries) {
        zip_source_t* s = zip_source_buffer(za, e.data.constData(), zip_uint64_t(e.data.size()), 0);
        const QByteArray name = e.name.toUtf8();
        const zip_int64_t index = s ? zip_file_add(za, name.constData(), s, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (s)
                zip_source_free(s);
            const QString why = QString::fromUtf8(zip_strerror(za));
            zip_discard(za);
            zip_source_free(buffer);
            return fail(why);
        }
        zip_set_file_compression(za, zip_uint64_t(index), e.compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    }
    if (zip_close(za) < 0) {
        const QString why = QString::fromUtf8(zip_strerror(za));
        zip_discard(za);
        zip_source_free(buffer);
        return fail(why);
    }
    QByteArray out;
    if (zip_source_open(buffer) == 0) {
        zip_source_seek(buffer, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(buffer);
        zip_source_seek(buffer, 0, SEEK_SET);
        if (size > 0) {
            out.resize(qsizetype(size));
            if (zip_source_read(buffer, out.data(), zip_uint64_t(size)) != size)
                out.clear();
        }
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    if (out.isEmpty())
        return fail(QStringLiteral("the container could not be assembled"));
    return out;
}

ArchiveRead ReadArchive(const QByteArray& bytes, const ArchiveLimits& limits) {
    ArchiveRead result;
    auto fail = [&](const QString& why) {
        result.entries.clear();
        result.error = why;
        return result;
    };
    zip_error_t zerr;
    zip_error_init(&zerr);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &zerr);
    if (!source)
        return fail(QStringLiteral("it is not a ZIP container"));
    ArchivePtr za(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &zerr));
    if (!za) {
        zip_source_free(source);
        return fail(QStringLiteral("it is not a ZIP container (%1)").arg(zipErrorText(&zerr)));
    }
    const zip_int64_t count = zip_get_num_entries(za.get(), 0);
    if (count < 0 || count > limits.maxEntries)
        return fail(QStringLiteral("it holds too many entries (%1)").arg(count));
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(za.get(), zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME))
            return fail(QStringLiteral("entry %1 cannot be read").arg(i + 1));
        const QString name = QString::fromUtf8(st.name);
        if (!IsSafeEntryName(name))
            return fail(QStringLiteral("it holds an entry with an unsafe name: \"%1\"").arg(name));
        if (result.find(name))
            return fail(QStringLiteral("it holds the entry \"%1\" twice").arg(name));
        if (!(st.valid & ZIP_STAT_SIZE) || !(st.valid & ZIP_STAT_COMP_SIZE))
            return fail(QStringLiteral("the size of \"%1\" is unknown").arg(name));
        const qint64 size = qint64(st.size);
        const qint64 packed = qint64(st.comp_size);
        if (st.size > zip_uint64_t(limits.maxEntrySize))
            return fail(QStringLiteral("the entry \"%1\" is larger than %2 MB").arg(name).arg(limits.maxEntrySize >> 20));
        total += size;
        if (total > limits.maxTotalSize)
            return fail(QStringLiteral("its entries are larger than %1 MB in all").arg(limits.maxTotalSize >> 20));
        if (size > limits.ratioFloor && size / std::max<qint64>(packed, 1) > limits.maxRatio)
            return fail(QStringLiteral("the entry \"%1\" is compressed more than %2 to 1").arg(name).arg(limits.maxRatio));
        if (name.endsWith(QLatin1Char('/')))
            continue; // a folder entry holds nothing
        zip_file_t* file = zip_fopen_index(za.get(), zip_uint64_t(i), 0);
        if (!file)
            return fail(QStringLiteral("the entry \"%1\" cannot be unpacked (%2)")
                            .arg(name, QString::fromUtf8(zip_strerror(za.get()))));
        QByteArray data(qsizetype(size), Qt::Uninitialized);
        qint64 done = 0;
        bool broken = false;
        while (done < size) {
            const zip_int64_t n = zip_fread(file, data.data() + done, zip_uint64_t(size - done));
            if (n <= 0) {
                broken = true;
                break;
            }
            done += n;
        }
        char extra = 0; // the declared size must be the whole story
        if (!broken && zip_fread(file, &extra, 1) != 0)
            broken = true;
        zip_fclose(file);
        if (broken)
            return fail(QStringLiteral("the entry \"%1\" is damaged").arg(name));
        result.entries.append({name, data, packed < size});
    }
    return result;
}
