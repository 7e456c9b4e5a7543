#include "app/prefcodec.h"

#include "app/preferences.h"

#include <QTextCodec>
#include <cstring>

QTextCodec* PreferenceCodec()
{
    // Looked up again only when CodeTable changes (a lookup can be slow and noisy).
    static QByteArray name;
    static QTextCodec* codec = nullptr;
    if (!codec || name != Preferences.CodeTable) {
        name = Preferences.CodeTable;
        codec = QTextCodec::codecForName(name);
        if (!codec)
            codec = QTextCodec::codecForName("ISO-8859-1");
    }
    return codec;
}

QString PrefText(const char* text)
{
    return PreferenceCodec()->toUnicode(text, int(std::strlen(text)));
}

void SetPrefText(char* storage, int capacity, const QString& text)
{
    QByteArray bytes = PreferenceCodec()->fromUnicode(text);
    int length = qMin(int(bytes.size()), capacity - 1);
    std::memcpy(storage, bytes.constData(), size_t(length));
    storage[length] = '\0';
}
