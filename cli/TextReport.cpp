#include "TextReport.h"

#include <optional>

namespace cable::cli {
namespace {

struct TReportLine {
    int Indent;
    const char* Caption;
    std::optional<TOutputField> Field;
};

using F = TOutputField;

// The window's pages "Результат выбора" and "Температуры и климатика", top to bottom.
const TReportLine kLines[] = {
    {0, "Результат выбора", {}},
    {1, "Режим: максимальный ветер и максимальный гололед", {}},
    {1, "Максимальное время действия: не более 15 ч. с повторяемостью раз в 25 лет", {}},
    {2, "Максимальная стрела провиса, м", F::ofEdit4},
    {2, "Максимальная растягивающая нагрузка кН", F::ofEdit6},
    {1, "Температура плюс 5 без ветра и гололеда", {}},
    {2, "Стрела провиса, м", F::ofEdit16},
    {2, "Растягивающая нагрузка, кН", F::ofEdit15},
    {1, "Длительно допустимая растягивающая нагрузка, кН", F::ofEdit17},
    {0, "Температуры и климатика", {}},
    {1, "Ветер и гололед отсутствуют", {}},
    {1, "Максимальная температура: плюс 50 С", {}},
    {2, "Стрела провиса, м", F::ofEdit5},
    {2, "Растягивающая нагрузка, кН", F::ofEdit8},
    {1, "Минимальная температура: минус 50 С", {}},
    {2, "Стрела провиса, м", F::ofEdit9},
    {2, "Растягивающая нагрузка, кН", F::ofEdit10},
    {1, "Температура: минус 5 С", {}},
    {1, "Максимальный гололед без ветра", {}},
    {2, "Стрела провиса, м", F::ofEdit11},
    {2, "Растягивающая нагрузка, кН", F::ofEdit12},
    {1, "Максимальный ветер без гололеда", {}},
    {2, "Стрела провиса, м", F::ofEdit13},
    {2, "Растягивающая нагрузка, кН", F::ofEdit14},
};

} // namespace

std::string FormatTextReport(const TFieldTexts& fields) {
    std::string out;
    for (const TReportLine& line : kLines) {
        if (line.Field && !fields.Written(*line.Field)) {
            continue;
        }
        out.append(static_cast<size_t>(line.Indent) * 2, ' ');
        out += line.Caption;
        if (line.Field) {
            out += ": ";
            out += fields.Text(*line.Field);
        }
        out += '\n';
    }
    if (fields.Written(F::ofLabel11)) {
        out += '\n';
        out += fields.Text(F::ofLabel11);
        out += '\n';
    }
    return out;
}

} // namespace cable::cli
