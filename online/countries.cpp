#include "online/countries.h"

#include <array>

namespace zembra {
namespace {

constexpr TCountry kUnknown{"Unknown", "Неизвестно", "Unknown"};

// A country whose short name is its English name.
constexpr TCountry Same(std::string_view english, std::string_view russian) { return {english, russian, english}; }

constexpr TCountry kEuropeList[] = {
    kUnknown,
    Same("Russia", "Россия"),
    Same("Albania", "Албания"),
    Same("Andorra", "Андорра"),
    Same("Austria", "Австрия"),
    Same("Belarus", "Беларусь"),
    Same("Belgium", "Бельгия"),
    {"Bosnia & Herzegovina", "Босния и Герцеговина", "Bosnia_Herz."},
    Same("Bulgaria", "Болгария"),
    Same("Croatia", "Хорватия"),
    {"Czech Republic", "Чехия", "Czech_Republic"},
    Same("Denmark", "Дания"),
    Same("Estonia", "Эстония"),
    {"Faroe Islands", "Фарерские острова", "Faroe_Islands"},
    Same("Finland", "Финляндия"),
    Same("France", "Франция"),
    Same("Germany", "Германия"),
    Same("Gibraltar", "Гибралтар"),
    Same("Greece", "Греция"),
    Same("Guernsey", "Гернси"),
    Same("Hungary", "Венгрия"),
    Same("Iceland", "Исландия"),
    Same("Ireland", "Ирландия"),
    {"Isle of Man", "Остров Мэн", "Isle_of_Man"},
    Same("Italy", "Италия"),
    Same("Jersey", "Джерси"),
    Same("Latvia", "Латвия"),
    Same("Liechtenstein", "Лихтенштейн"),
    Same("Lithuania", "Литва"),
    Same("Luxembourg", "Люксембург"),
    Same("Macedonia", "Македония"),
    Same("Malta", "Мальта"),
    Same("Moldova", "Молдова"),
    Same("Monaco", "Монако"),
    Same("Netherlands", "Нидерланды"),
    Same("Norway", "Норвегия"),
    Same("Poland", "Польша"),
    Same("Portugal", "Португалия"),
    Same("Romania", "Румыния"),
    {"San Marino", "Сан-Марино", "San_Marino"},
    {"Serbia-Montenegro", "Сербия и Черногория", "Serbia-Mont."},
    Same("Slovakia", "Словакия"),
    Same("Slovenia", "Словения"),
    Same("Spain", "Испания"),
    Same("Sweden", "Швеция"),
    Same("Switzerland", "Швейцария"),
    Same("Ukraine", "Украина"),
    {"Vatican City", "Ватикан", "Vatican_City"},
    {"United Kingdom", "Великобритания", "United_Kingdom"},
};

constexpr TCountry kAsiaList[] = {
    kUnknown,
    Same("Afghanistan", "Афганистан"),
    Same("Armenia", "Армения"),
    Same("Azerbaijan", "Азербайджан"),
    Same("Bahrain", "Бахрейн"),
    Same("Bangladesh", "Бангладеш"),
    Same("Bhutan", "Бутан"),
    {"British Indian Ocean Territory", "Британская территория в Индийском океане", "B.I.O.T."},
    Same("Brunei", "Бруней"),
    Same("Cambodia", "Камбоджа"),
    Same("China", "Китай"),
    Same("Cyprus", "Кипр"),
    {"East Timor", "Восточный Тимор", "East_Timor"},
    Same("Georgia", "Грузия"),
    {"Hong Kong", "Гонконг", "Hong_Kong"},
    Same("India", "Индия"),
    Same("Indonesia", "Индонезия"),
    Same("Iran", "Иран"),
    Same("Iraq", "Ирак"),
    Same("Israel", "Израиль"),
    Same("Japan", "Япония"),
    Same("Jordan", "Иордания"),
    Same("Kazakhstan", "Казахстан"),
    Same("Kuwait", "Кувейт"),
    Same("Kyrgyzstan", "Киргизия"),
    Same("Laos", "Лаос"),
    Same("Lebanon", "Ливан"),
    Same("Macau", "Макао"),
    Same("Malaysia", "Малайзия"),
    Same("Maledives", "Мальдивы"),
    Same("Mongolia", "Монголия"),
    Same("Myanmar", "Мьянма"),
    Same("Nepal", "Непал"),
    {"North Korea", "Северная Корея", "North_Korea"},
    Same("Oman", "Оман"),
    Same("Pakistan", "Пакистан"),
    Same("Philippines", "Филиппины"),
    Same("Qatar", "Катар"),
    {"Saudi Arabia", "Саудовская Аравия", "Saudi_Arabia"},
    Same("Singapore", "Сингапур"),
    {"South Korea", "Южная Корея", "South_Korea"},
    Same("Sri-Lanka", "Шри-Ланка"),
    Same("Syria", "Сирия"),
    Same("Taiwan", "Тайвань"),
    Same("Tajikistan", "Таджикистан"),
    Same("Thailand", "Таиланд"),
    Same("Turkey", "Турция"),
    Same("Turkmenistan", "Туркмения"),
    {"United Arab Emirates", "Объединённые Арабские Эмираты", "UAE"},
    Same("Uzbekistan", "Узбекистан"),
    Same("Vietnam", "Вьетнам"),
    Same("Yemen", "Йемен"),
};

constexpr TCountry kNorthAmericaList[] = {
    kUnknown,
    Same("Anguilla", "Ангилья"),
    {"Antigua and Barbuda", "Антигуа и Барбуда", "Antigua-Barbuda"},
    Same("Aruba", "Аруба"),
    Same("Bahamas", "Багамы"),
    Same("Barbados", "Барбадос"),
    Same("Belize", "Белиз"),
    Same("Bermuda", "Бермуды"),
    {"British Virgin Islands", "Британские Виргинские острова", "BVI"},
    Same("Canada", "Канада"),
    {"Cayman Islands", "Каймановы острова", "Cayman_Islands"},
    {"Costa Rica", "Коста-Рика", "Costa_Rica"},
    Same("Cuba", "Куба"),
    Same("Dominica", "Доминика"),
    {"Dominican Republic", "Доминиканская Республика", "Dominican_Rep."},
    {"El Salvador", "Сальвадор", "El_Salvador"},
    Same("Greenland", "Гренландия"),
    Same("Grenada", "Гренада"),
    Same("Guatemala", "Гватемала"),
    Same("Haiti", "Гаити"),
    Same("Honduras", "Гондурас"),
    Same("Jamaica", "Ямайка"),
    Same("Martinique", "Мартиника"),
    Same("Mexico", "Мексика"),
    Same("Montserrat", "Монтсеррат"),
    Same("Nicaragua", "Никарагуа"),
    Same("Panama", "Панама"),
    {"Puerto Rico", "Пуэрто-Рико", "Puerto_Rico"},
    {"Saint Kitts and Nevis", "Сент-Китс и Невис", "Saint_Kitts_N."},
    {"Saint Lucia", "Сент-Люсия", "Saint_Lucia"},
    {"Saint Pierre and Miquelon", "Сен-Пьер и Микелон", "Saint_Pierre_M."},
    {"Saint Vincent and the Grenadines", "Сент-Винсент и Гренадины", "S.V._Grenadines"},
    {"Trinidad and Tobago", "Тринидад и Тобаго", "Trinidad_Tobago"},
    {"Turks and Caicos Islands", "Теркс и Кайкос", "Turks_Caicos_I."},
    Same("USA", "США"),
    {"Virgin Islands", "Виргинские Острова (США)", "Virgin_Islands"},
};

constexpr TCountry kSouthAmericaList[] = {
    kUnknown,
    Same("Argentina", "Аргентина"),
    Same("Bolivia", "Боливия"),
    Same("Brazil", "Бразилия"),
    Same("Chile", "Чили"),
    Same("Colombia", "Колумбия"),
    Same("Equador", "Эквадор"),
    {"Falkland Islands", "Фолклендские острова", "Falkland_Isl."},
    Same("Guyana", "Гайана"),
    Same("Paraquay", "Парагвай"),
    Same("Peru", "Перу"),
    {"South Georgia", "Южная Георгия", "South_Georgia"},
    Same("Suriname", "Суринам"),
    Same("Uruquay", "Уругвай"),
    Same("Venezuela", "Венесуэла"),
};

constexpr TCountry kOceaniaList[] = {
    kUnknown,
    {"American Samoa", "Американское Самоа", "American_Samoa"},
    Same("Australia", "Австралия"),
    {"Cook Islands", "Острова Кука", "Cook_Islands"},
    Same("Fiji", "Фиджи"),
    {"French Polynesia", "Французская Полинезия", "Fr._Polynesia"},
    Same("Guam", "Гуам"),
    Same("Kiribati", "Кирибати"),
    {"Marshall Islands", "Маршалловы Острова", "Marshall_Isl."},
    Same("Micronesia", "Микронезия"),
    Same("Nauru", "Науру"),
    {"New Zealand", "Новая Зеландия", "New_Zealand"},
    Same("Niue", "Ниуэ"),
    {"Norfolk Island", "Остров Норфолк", "Norfolk_Island"},
    {"Northern Mariana Islands", "Северные Марианские острова", "N._Mariana_Isl."},
    Same("Palau", "Палау"),
    {"Papua New Guinea", "Папуа — Новая Гвинея", "Papua_New_G."},
    {"Pitcairn Islands", "Острова Питкэрн", "Pitcairn_Isl."},
    Same("Samoa", "Самоа"),
    {"Solomon Islands", "Соломоновы Острова", "Solomon_Islands"},
    Same("Tonga", "Тонга"),
    Same("Tuvalu", "Тувалу"),
    Same("Vanuatu", "Вануату"),
    {"Wallis and Futuna", "Уоллис и Футуна", "Wallis-Futuna"},
};

constexpr TCountry kAfricaList[] = {
    kUnknown,
    Same("Algeria", "Алжир"),
    Same("Angola", "Ангола"),
    Same("Benin", "Бенин"),
    Same("Botswana", "Ботсвана"),
    {"Burkina Faso", "Буркина-Фасо", "Burkina_Faso"},
    Same("Burundi", "Бурунди"),
    Same("Cameroon", "Камерун"),
    {"Cape Verde", "Кабо-Верде", "Cape_Verde"},
    {"Central African Republic", "Центральноафриканская Республика", "CAR"},
    Same("Chad", "Чад"),
    Same("Comoros", "Коморы"),
    // Every short name travels as one word of a reply, so this one needs a
    // token of its own like its neighbours.
    {"Congo Republic", "Республика Конго", "Congo_Rep."},
    {"Congo Democratic Republic", "Демократическая Республика Конго", "Congo_DR"},
    Same("Djibouti", "Джибути"),
    Same("Egypt", "Египет"),
    {"Equatorial Guinea", "Экваториальная Гвинея", "Eq._Guinea"},
    Same("Eritrea", "Эритрея"),
    Same("Ethiopia", "Эфиопия"),
    Same("Gabon", "Габон"),
    Same("Gambia", "Гамбия"),
    Same("Ghana", "Гана"),
    Same("Guinea", "Гвинея"),
    Same("Guinea-Bissau", "Гвинея-Бисау"),
    {"Ivory Coast (Cote Divoire)", "Кот-д'Ивуар", "Cote_Divoire"},
    Same("Kenya", "Кения"),
    Same("Lesotho", "Лесото"),
    Same("Liberia", "Либерия"),
    Same("Libya", "Ливия"),
    Same("Madagascar", "Мадагаскар"),
    Same("Malawi", "Малави"),
    Same("Mali", "Мали"),
    Same("Mauretania", "Мавритания"),
    Same("Mauritius", "Маврикий"),
    Same("Morocco", "Марокко"),
    Same("Mozambique", "Мозамбик"),
    Same("Namibia", "Намибия"),
    Same("Niger", "Нигер"),
    Same("Nigeria", "Нигерия"),
    Same("Rwanda", "Руанда"),
    {"Saint Helena", "Остров Святой Елены", "Saint_Helena"},
    {"Sao Tome and Principe", "Сан-Томе и Принсипи", "Sao_Tome_Pr."},
    Same("Senegal", "Сенегал"),
    Same("Seychelles", "Сейшельские Острова"),
    {"Sierra Leone", "Сьерра-Леоне", "Sierra_Leone"},
    Same("Somalia", "Сомали"),
    {"South Africa", "ЮАР", "South_Africa"},
    Same("Sudan", "Судан"),
    Same("Swaziland", "Свазиленд"),
    Same("Tanzania", "Танзания"),
    Same("Togo", "Того"),
    Same("Tunisia", "Тунис"),
    Same("Uganda", "Уганда"),
    Same("Zambia", "Замбия"),
    Same("Zimbabwe", "Зимбабве"),
};

constexpr std::array<std::span<const TCountry>, kContinentCount> kContinents = {
    kEuropeList, kAsiaList, kNorthAmericaList, kSouthAmericaList, kOceaniaList, kAfricaList};

// The three-digit field leaves room for 999 entries a continent.
static_assert(std::size(kAfricaList) <= 1000);

}  // namespace

std::span<const TCountry> ContinentCountries(int continent) {
  if (continent < 1 || continent > kContinentCount) return {};
  return kContinents[continent - 1];
}

std::optional<TCountryPlace> ParseCountryCode(std::string_view code) {
  if (code.size() != 5 || code[0] < '1' || code[0] > '0' + kContinentCount || code[1] != '-') return std::nullopt;
  int index = 0;
  for (const char c : code.substr(2)) {
    if (c < '0' || c > '9') return std::nullopt;
    index = index * 10 + (c - '0');
  }
  const int continent = code[0] - '0';
  if (index >= static_cast<int>(ContinentCountries(continent).size())) return std::nullopt;
  return TCountryPlace{continent, index};
}

bool CountryCodeValid(std::string_view code) { return ParseCountryCode(code).has_value(); }

std::optional<TCountry> CountryByCode(std::string_view code) {
  const auto place = ParseCountryCode(code);
  if (!place) return std::nullopt;
  return ContinentCountries(place->Continent)[place->Index];
}

std::optional<std::string> CountryCode(int continent, int index) {
  if (index < 0 || index >= static_cast<int>(ContinentCountries(continent).size())) return std::nullopt;
  std::string code = "0-000";
  code[0] = static_cast<char>('0' + continent);
  code[2] = static_cast<char>('0' + index / 100);
  code[3] = static_cast<char>('0' + index / 10 % 10);
  code[4] = static_cast<char>('0' + index % 10);
  return code;
}

std::optional<std::string> CountryCodeOfShort(std::string_view shortName) {
  for (int continent = 1; continent <= kContinentCount; ++continent) {
    const auto list = ContinentCountries(continent);
    for (size_t i = 0; i < list.size(); ++i)
      if (list[i].Short == shortName) return CountryCode(continent, static_cast<int>(i));
  }
  return std::nullopt;
}

}  // namespace zembra
