// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>
#include <QStringList>

// The lines one trace category writes while this lives; everything else goes on as before.
class TraceCapture
{
public:
    explicit TraceCapture(const char *category = "limbora.game")
    {
        s_category = category;
        s_lines.clear();
        QLoggingCategory::setFilterRules(QString::fromLatin1(category)
                                         + QStringLiteral(".debug=true"));
        m_previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &context, const QString &message) {
                if (qstrcmp(context.category, s_category) == 0) {
                    s_lines << message;
                }
            });
    }
    ~TraceCapture()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    TraceCapture(const TraceCapture &) = delete;
    TraceCapture &operator=(const TraceCapture &) = delete;

    const QStringList &lines() const { return s_lines; }
    // A line of the test's own among the traced ones (what the window would trace).
    void add(const QString &line) { s_lines << line; }

private:
    // A message handler can hold no state of its own.
    static inline const char *s_category = nullptr;
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};
