#include "translators/ButtonCaptions.h"

#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/winapi/NlsCodePage.h"

ZT_DEFINE_ENUM(zantor::TLangName, "lnUser", "lnArabic", "lnCatalan", "lnChinese", "lnCzech",
               "lnDanish", "lnDutch", "lnEnglish", "lnFinnish", "lnFrench", "lnGerman", "lnGreek",
               "lnHebrew", "lnHungary", "lnItalian", "lnJapan", "lnKorean", "lnNorway", "lnPolish",
               "lnRussian", "lnSlovak", "lnSlovenia", "lnSpanish", "lnSwedish", "lnTaiwanese",
               "lnTurkish")

namespace zantor {

namespace {

struct TSourceRow {
    unsigned CodePage;
    // Yes .. All as written (UTF-8); OK and Cancel are repeated when the table is built.
    const char* Texts[9];
};

// clang-format off
constexpr TSourceRow SourceRows[] = {
    {1256, {"نعم", "لا", "موافق", "إلغاء الأمر", "تعليمات", "إحباط", "إعادة المحاولة", "تجاهل", "الكل"}},
    {1252, {"Sí", "No", "D'acord", "Cancel·la", "Ajuda", "Abort", "Retry", "Omet", "Tot"}},
    {1252, {"Yes", "No", "OK", "Cancel", "Help", "Abort", "Retry", "Ignore", "All"}},
    {1250, {"Ano", "Ne", "OK", "Storno", "Nápověda", "Přerušit", "Znovu", "Ignorovat", "Vše"}},
    {1252, {"Ja", "Nej", "OK", "Annuller", "Hjælp", "Afbryd", "Forsøg igen", "Ignorer", "Alle"}},
    {1252, {"Ja", "Nee", "OK", "Annuleren", "Help", "Afbreken", "Nogmaals", "Negeren", "Alles"}},
    {1252, {"Yes", "No", "OK", "Cancel", "Help", "Abort", "Retry", "Ignore", "All"}},
    {1252, {"Kyllä", "Ei", "OK", "Peruuta", "Ohje", "Keskeytä", "Yritä uudelleen", "Ohita", "Kaikki"}},
    {1252, {"Oui", "Non", "OK", "Annuler", "Aide", "Abandon", "Réessayer", "Ignorer", "Tout"}},
    {1252, {"Ja", "Nein", "OK", "Abbrechen", "Hilfe", "Abbruch", "Wiederholen", "Ignorieren", "Alles"}},
    {1253, {"Ναι", "Όχι", "OK", "Άκυρο", "Βοήθεια", "Ματαίωση", "Επανάληψη", "Παράβλεψη", "Όλα"}},
    {1255, {"כן", "לא", "אישור", "ביטול", "עזרה", "בטל", "נסה שנית", "התעלם", "הכל"}},
    {1250, {"Igen", "Nem", "OK", "Mégse", "Súgó", "Leállítás", "Újra", "Mellőzés", "Minden"}},
    {1252, {"Sì", "No", "OK", "Annulla", "? ", "Termina", "Riprova", "Ignora", "Tutto"}},
    {932,  {"はい", "いいえ", "OK", "ｷｬﾝｾﾙ", "ヘルプ", "中止", "再試行", "無視", "すべて"}},
    {949,  {"예", "아니오", "확인", "취소", "도움말", "중단", "재시도", "무시", "전체"}},
    {1252, {"Ja", "Nei", "OK", "Avbryt", "Hjelp", "Avbryt", "Prøv på nytt", "Ignorer", "Alt"}},
    {1250, {"Tak", "Nie", "OK", "Anuluj", "Pomoc", "Przerwij", "Ponów", "Zignoruj", "Wszystkie"}},
    {1251, {"Да", "Нет", "ОК", "Отмена", "Справка", "Прервать", "Повторить", "Пропустить", "всех"}},
    {1250, {"Áno", "Nie", "OK", "Zrušiť", "Pomocník", "Prerušiť", "Znova", "Ignorovať", "Všetko"}},
    {1250, {"Da", "Ne", "V redu", "Prekliči", "Pomoč", "Prekini", "Ponovi", "Prezri", "Vse"}},
    {1252, {"Sí", "No", "Aceptar", "Cancelar", "Ayuda", "Anular", "Reintentar", "Omitir", "Todo"}},
    {1252, {"Ja", "Nej", "OK", "Avbryt", "Hjälp", "Avsluta", "Försök igen", "Ignorera", "Alla"}},
    {950,  {"是", "否", "確定", "取消", "說明", "放棄", "重試", "略過", "所有"}},
    {1254, {"Evet", "Hayır", "Tamam", "İptal", "Yardım", "Durdur", "Yeniden Dene", "Yoksay", "Tümü"}},
};
// clang-format on

std::array<TButtonCaptionRow, std::size(SourceRows)> BuildRows() {
    std::array<TButtonCaptionRow, std::size(SourceRows)> Rows;
    for (std::size_t r = 0; r < std::size(SourceRows); ++r) {
        const TSourceRow& S = SourceRows[r];
        Rows[r].CodePage = S.CodePage;
        for (int i = 0; i < 9; ++i)
            Rows[r].Texts[static_cast<std::size_t>(i)] =
                host::Utf8ToCodePage(S.Texts[i], S.CodePage);
        Rows[r].Texts[9] = Rows[r].Texts[2];
        Rows[r].Texts[10] = Rows[r].Texts[3];
    }
    return Rows;
}

} // namespace

const TButtonCaptionRow& ButtonCaptionRow(TLangName Language) {
    static const auto Rows = BuildRows();
    if (Language <= lnUser || Language > lnTurkish)
        throw host::EConvertError("No built-in captions for this language");
    return Rows[static_cast<std::size_t>(Language) - 1];
}

} // namespace zantor
