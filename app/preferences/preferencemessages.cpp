// The messages of the preferences reader's and writer's result codes, and ErrorText.

#include "app/preferences/preferencevalues.h"

QString ErrorText;

namespace
{

const char* const Messages[] = {
    "",
    "Ошибка открытия файла\n",
    "Ошибка чтения файла\n",
    "Очень много символов в файле\n",
    "Ошибка команды в файле\n",
    "Неопознанное логическое значение в файле\n",
    "Ошибка параметра в файле\n",
    "Большое значение параметра в файле\n",
    "Малое значение параметра в файле\n",
    "Ошибка параметра в файле\n",
    "Ошибка параметра в файле\n",
    "Ошибка задания пути-имени в файле\n",
    "Ошибка задания имени файла в файле\n",
    "Очень длинная строка параметра в файле\n",
    "Очень короткая строка параметра в файле\n",
    "Очень большой индекс в файле\n",
    "Ошибка индекса в файле\n",
    "В индексе отсутствует скобка в файле\n",
    "Неопределенная ошибка обработки в файле\n",
    "Неопределенная ошибка массива в файле\n",
    "Отсутствует разделитель команды в файле\n",
    "Значение параметра превышает диапазон типа в файле\n",
    "Неопределенная ошибка контроля типа в файле\n",
    "Ошибка дискретных значений параметра в файле\n",
    "Отсутствует обязательный параметр в файле\n",
    "Не допустимое значение параметра в файле\n",
    "Отсутствует функция внешнего вызова в файле\n",
    "Ошибка длинны идентификатора строки\n",
    "Неопределенная ошибка в структуре массива\n",
    "Очень много параметров\n",
    "Системная ошибка\n",
};

} // namespace

QString PreferenceMessage(int code)
{
    if (code < 0 || code >= int(sizeof Messages / sizeof Messages[0]))
        return QString();
    return QString::fromUtf8(Messages[code]);
}

QString PreferenceSyntax::CutToErrorLimit(QString text)
{
    if (text.size() > ErrorTextLimit) {
        int length = ErrorTextLimit;
        if (text.at(length - 1).isHighSurrogate())
            --length;
        text.truncate(length);
    }
    return text;
}
