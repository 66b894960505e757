#include "calendar/calendar_texts.h"

#include <array>
#include <vector>

#include "resources/words.h"

namespace zembra {
namespace {

constexpr std::string_view kCountryKinds[8] = {"ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT"};

// Per language: 12 months, 12 signs, 12 animals, 8 kinds, 1 suffix; the
// table is laid out from these groups.
struct TLanguageTexts {
  std::array<const char*, 12> Months, Signs, Animals;
  std::array<const char*, 8> Kinds;
  const char* Suffix;
};

constexpr TLanguageTexts kTexts[kLanguages] = {
    // English
    {{"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
      "November", "December"},
     {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn",
      "Aquarius", "Pisces"},
     {"Year Of The Rat", "Year Of The Ox", "Year Of The Tiger", "Year Of The Rabbit", "Year Of The Dragon",
      "Year Of The Snake", "Year Of The Horse", "Year Of The Goat", "Year Of The Monkey", "Year Of The Rooster",
      "Year Of The Dog", "Year Of The Pig"},
     {"Holiday UK", "Russian Festival", "German holiday", "French holiday", "Spanish holiday",
      "Holiday United States", "The Orthodox holiday", "Catholic feast"},
     "-th anniversary"},
    // Russian
    {{"января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа", "сентября", "октября", "ноября",
      "декабря"},
     {"Овен", "Телец", "Близнецы", "Рак", "Лев", "Дева", "Весы", "Скорпион", "Стрелец", "Козерог", "Водолей",
      "Рыбы"},
     {"Год Крысы", "Год Быка", "Год Тигра", "Год Кролика", "Год Дракона", "Год Змеи", "Год Лошади", "Год Козы",
      "Год Обезьяны", "Год Петуха", "Год Собаки", "Год Свиньи"},
     {"праздник Великобритании", "российский праздник", "праздник Германии", "праздник Франции",
      "праздник Испании", "праздник США", "православный праздник", "католический праздник"},
     "-я годовщина"},
    // German
    {{"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November",
      "Dezember"},
     {"Widder", "Stier", "Zwillinge", "Krebs", "Löwe", "Jungfrau", "Waage", "Skorpion", "Schütze", "Steinbock",
      "Wassermann", "Fische"},
     {"Jahr der Ratte", "Jahr des Büffels", "Jahr des Tigers", "Jahr des Hasen", "Jahr des Drachen",
      "Jahr der Schlange", "Jahr des Pferdes", "Jahr der Ziege", "Jahr des Affen", "Jahr des Hahns",
      "Jahr des Hundes", "Jahr des Schweins"},
     {"britischer Feiertag", "russischer Feiertag", "deutscher Feiertag", "französischer Feiertag",
      "spanischer Feiertag", "Feiertag in den USA", "orthodoxer Feiertag", "katholisches Fest"},
     ". Jahrestag"},
    // French
    {{"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre", "octobre",
      "novembre", "décembre"},
     {"Bélier", "Taureau", "Gémeaux", "Cancer", "Lion", "Vierge", "Balance", "Scorpion", "Sagittaire",
      "Capricorne", "Verseau", "Poissons"},
     {"Année du Rat", "Année du Buffle", "Année du Tigre", "Année du Lapin", "Année du Dragon",
      "Année du Serpent", "Année du Cheval", "Année de la Chèvre", "Année du Singe", "Année du Coq",
      "Année du Chien", "Année du Cochon"},
     {"fête britannique", "fête russe", "fête allemande", "fête française", "fête espagnole", "fête américaine",
      "fête orthodoxe", "fête catholique"},
     "e anniversaire"},
    // Spanish
    {{"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre", "octubre",
      "noviembre", "diciembre"},
     {"Aries", "Tauro", "Géminis", "Cáncer", "Leo", "Virgo", "Libra", "Escorpio", "Sagitario", "Capricornio",
      "Acuario", "Piscis"},
     {"Año de la Rata", "Año del Buey", "Año del Tigre", "Año del Conejo", "Año del Dragón",
      "Año de la Serpiente", "Año del Caballo", "Año de la Cabra", "Año del Mono", "Año del Gallo",
      "Año del Perro", "Año del Cerdo"},
     {"fiesta británica", "fiesta rusa", "fiesta alemana", "fiesta francesa", "fiesta española",
      "fiesta estadounidense", "fiesta ortodoxa", "fiesta católica"},
     ".º aniversario"},
    // Chinese
    {{"一月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "十一月", "十二月"},
     {"白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座", "天秤座", "天蝎座", "射手座", "摩羯座", "水瓶座",
      "双鱼座"},
     {"鼠年", "牛年", "虎年", "兔年", "龙年", "蛇年", "马年", "羊年", "猴年", "鸡年", "狗年", "猪年"},
     {"英国节日", "俄罗斯节日", "德国节日", "法国节日", "西班牙节日", "美国节日", "东正教节日", "天主教节日"},
     "周年"},
    // Italian
    {{"gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno", "luglio", "agosto", "settembre", "ottobre",
      "novembre", "dicembre"},
     {"Ariete", "Toro", "Gemelli", "Cancro", "Leone", "Vergine", "Bilancia", "Scorpione", "Sagittario",
      "Capricorno", "Acquario", "Pesci"},
     {"Anno del Topo", "Anno del Bue", "Anno della Tigre", "Anno del Coniglio", "Anno del Drago",
      "Anno del Serpente", "Anno del Cavallo", "Anno della Capra", "Anno della Scimmia", "Anno del Gallo",
      "Anno del Cane", "Anno del Maiale"},
     {"festa britannica", "festa russa", "festa tedesca", "festa francese", "festa spagnola",
      "festa statunitense", "festa ortodossa", "festa cattolica"},
     "º anniversario"},
    // Czech
    {{"ledna", "února", "března", "dubna", "května", "června", "července", "srpna", "září", "října",
      "listopadu", "prosince"},
     {"Beran", "Býk", "Blíženci", "Rak", "Lev", "Panna", "Váhy", "Štír", "Střelec", "Kozoroh", "Vodnář", "Ryby"},
     {"Rok krysy", "Rok buvola", "Rok tygra", "Rok králíka", "Rok draka", "Rok hada", "Rok koně", "Rok kozy",
      "Rok opice", "Rok kohouta", "Rok psa", "Rok vepře"},
     {"britský svátek", "ruský svátek", "německý svátek", "francouzský svátek", "španělský svátek",
      "americký svátek", "pravoslavný svátek", "katolický svátek"},
     ". výročí"},
    // Japanese
    {{"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
     {"牡羊座", "牡牛座", "双子座", "蟹座", "獅子座", "乙女座", "天秤座", "蠍座", "射手座", "山羊座", "水瓶座", "魚座"},
     {"子年（ねずみ年）", "丑年（うし年）", "寅年（とら年）", "卯年（うさぎ年）", "辰年（たつ年）", "巳年（へび年）",
      "午年（うま年）", "未年（ひつじ年）", "申年（さる年）", "酉年（とり年）", "戌年（いぬ年）", "亥年（いのしし年）"},
     {"イギリスの祝日", "ロシアの祝日", "ドイツの祝日", "フランスの祝日", "スペインの祝日", "アメリカの祝日",
      "正教会の祭日", "カトリックの祝日"},
     "周年"},
    // Korean
    {{"1월", "2월", "3월", "4월", "5월", "6월", "7월", "8월", "9월", "10월", "11월", "12월"},
     {"양자리", "황소자리", "쌍둥이자리", "게자리", "사자자리", "처녀자리", "천칭자리", "전갈자리", "궁수자리",
      "염소자리", "물병자리", "물고기자리"},
     {"쥐의 해", "소의 해", "호랑이의 해", "토끼의 해", "용의 해", "뱀의 해", "말의 해", "양의 해", "원숭이의 해",
      "닭의 해", "개의 해", "돼지의 해"},
     {"영국 기념일", "러시아 기념일", "독일 기념일", "프랑스 기념일", "스페인 기념일", "미국 기념일", "정교회 축일",
      "가톨릭 축일"},
     "주년"},
};

const std::vector<std::string>& Table() {
  static const std::vector<std::string> table = [] {
    std::vector<std::string> t(kCalendarTexts);
    for (int l = 0; l < kLanguages; ++l) {
      for (int i = 0; i < 12; ++i) {
        t[12 * l + i] = kTexts[l].Months[i];
        t[120 + 12 * l + i] = kTexts[l].Signs[i];
        t[240 + 12 * l + i] = kTexts[l].Animals[i];
      }
      for (int i = 0; i < 8; ++i) t[360 + 8 * l + i] = kTexts[l].Kinds[i];
      t[440 + l] = kTexts[l].Suffix;
    }
    return t;
  }();
  return table;
}

int Lang(int language) { return language >= 0 && language < kLanguages ? language : 0; }

const std::string& Empty() {
  static const std::string empty;
  return empty;
}

}  // namespace

const std::string& CalendarText(int index) {
  return index >= 0 && index < kCalendarTexts ? Table()[index] : Empty();
}

const std::string& MonthName(int month, int language) {
  return month >= 1 && month <= 12 ? CalendarText(12 * Lang(language) + month - 1) : Empty();
}

const std::string& ZodiacName(int sign, int language) {
  return sign >= 1 && sign <= 12 ? CalendarText(120 + 12 * Lang(language) + sign - 1) : Empty();
}

const std::string& AnimalName(int animal, int language) {
  return animal >= 0 && animal < 12 ? CalendarText(240 + 12 * Lang(language) + animal) : Empty();
}

std::optional<std::string> HolidayKindName(std::string_view country, int language) {
  for (int i = 0; i < 8; ++i)
    if (kCountryKinds[i] == country) return CalendarText(360 + 8 * Lang(language) + i);
  return std::nullopt;
}

std::string AnniversaryText(int years, int language) {
  std::string suffix = CalendarText(440 + Lang(language));
  // English ordinals: 81-st, 82-nd, 83-rd, but 111-th.
  if (Lang(language) == 0 && suffix.rfind("-th", 0) == 0 && (years % 100 < 11 || years % 100 > 13)) {
    static constexpr const char* kEndings[] = {"-th", "-st", "-nd", "-rd"};
    const int last = years % 10;
    if (last >= 1 && last <= 3) suffix.replace(0, 3, kEndings[last]);
  }
  return std::to_string(years) + suffix;
}

int ZodiacSign(int month, int day) {
  // The first day of each sign from Aries: 21 March, 21 April, 21 May, ...
  static constexpr int kFirstDay[12] = {21, 21, 21, 22, 23, 24, 24, 24, 23, 22, 21, 21};
  // Sign n begins in month n + 2 (Aries in March).
  for (int sign = 1; sign <= 12; ++sign) {
    const int begins = (sign + 1) % 12 + 1;
    if (begins == month) return day >= kFirstDay[sign - 1] ? sign : (sign + 10) % 12 + 1;
  }
  return 0;
}

}  // namespace zembra
