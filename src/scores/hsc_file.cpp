#include "hsc_file.h"

#include <QFile>
#include <QSaveFile>

namespace wd::hsc {

FileState read_table(const QString& path, char (&text)[text_capacity])
{
    set_text(text, default_table());
    QFile file(path);
    if (!file.exists())
        return {};

    FileState state;
    state.may_write = false;
    if (!file.open(QIODevice::ReadOnly)) {
        state.warning = path + QStringLiteral(": cannot read: ") + file.errorString();
    } else {
        // One byte past the limit is enough to tell an over-long file.
        const QByteArray bytes = file.read(static_cast<qint64>(max_text) + 1);
        if (file.error() != QFileDevice::NoError)
            state.warning = path + QStringLiteral(": cannot read: ") + file.errorString();
        else if (const auto problem = format_problem(std::string_view(bytes.constData(), bytes.size())))
            state.warning = path + QStringLiteral(": ") + QString::fromStdString(*problem);
        else {
            set_text(text, std::string_view(bytes.constData(), bytes.size()));
            return {};
        }
    }
    state.warning += QStringLiteral("; playing with the built-in table and leaving the file as it is");
    return state;
}

std::optional<QString> write_table(const QString& path, std::string_view text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return path + QStringLiteral(": cannot save the high scores: ") + file.errorString();
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return path + QStringLiteral(": cannot save the high scores: ") + reason;
    }
    if (!file.commit())
        return path + QStringLiteral(": cannot save the high scores: ") + file.errorString();
    return std::nullopt;
}

}  // namespace wd::hsc
