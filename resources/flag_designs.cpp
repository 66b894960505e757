#include "resources/flag_designs.h"

namespace zembra {
namespace {

// Simplified national flags, recognisable at 14 x 12: the true colours and
// layout, emblems reduced to a few shapes. Every flag is drawn into the
// same 7 : 6 frame as the list icons.
constexpr TFlagDesign kDesigns[] = {
    // Europe
    {"Russia", "h w #0039A6 #D52B1E"},
    {"Albania", "fill #E41E20 poly k .5 .2 .58 .3 .82 .2 .76 .42 .62 .5 .64 .8 .5 .7 .36 .8 .38 .5 .24 .42 .18 .2 .42 .3"},
    {"Andorra", "v #10069F #FEDF00 #D50032 rect .42 .34 .16 .32 #C7A02E rect .46 .4 .08 .2 #D50032"},
    {"Austria", "h #ED2939 w #ED2939"},
    {"Belarus", "h #C8313E*2 #4AA657 rect 0 0 .16 1 w poly #C8313E .08 .04 .13 .19 .08 .34 .03 .19 "
                "poly #C8313E .08 .34 .13 .5 .08 .66 .03 .5 poly #C8313E .08 .66 .13 .81 .08 .96 .03 .81"},
    {"Belgium", "v k #FDDA24 #EF3340"},
    {"Bosnia_Herz.", "fill #002395 poly #FECB00 .24 0 .74 0 .74 1 star .15 .06 .09 w star .25 .26 .09 w "
                     "star .35 .46 .09 w star .45 .66 .09 w star .55 .86 .09 w"},
    {"Bulgaria", "h w #00966E #D62612"},
    {"Croatia", "h #FF0000 w #171796 checker .38 .27 .24 .46 4 3 #FF0000 w"},
    {"Czech_Republic", "h w #D7141A poly #11457E 0 0 .5 .5 0 1"},
    {"Denmark", "fill #C8102E cross .36 .5 .16 w"},
    {"Estonia", "h #0072CE k w"},
    {"Faroe_Islands", "fill w cross .36 .5 .3 #0065BD cross .36 .5 .14 #EF303E"},
    {"Finland", "fill w cross .36 .5 .26 #002F6C"},
    {"France", "v #002395 w #ED2939"},
    {"Germany", "h k #DD0000 #FFCE00"},
    {"Gibraltar", "h w*2 #DA000C rect .3 .28 .4 .3 #DA000C rect .3 .16 .1 .14 #DA000C rect .45 .1 .1 .2 #DA000C "
                  "rect .6 .16 .1 .14 #DA000C rect .47 .72 .06 .22 #F8D80F"},
    {"Greece", "h #0D5EAF w #0D5EAF w #0D5EAF w #0D5EAF w #0D5EAF box 0 0 .4 .556 fill #0D5EAF cross .5 .5 .2 w end"},
    {"Guernsey", "fill w cross .5 .5 .26 #E8112D cross .5 .5 .09 #F9DD16"},
    {"Hungary", "h #CE2939 w #477050"},
    {"Iceland", "fill #02529C cross .36 .5 .3 w cross .36 .5 .14 #DC1E35"},
    {"Ireland", "v #169B62 w #FF883E"},
    {"Isle_of_Man", "fill #CF142B line .5 .5 .5 .17 .11 w line .5 .17 .62 .17 .11 w line .5 .5 .25 .67 .11 w "
                    "line .25 .67 .19 .54 .11 w line .5 .5 .75 .67 .11 w line .75 .67 .69 .79 .11 w"},
    {"Italy", "v #009246 w #CE2B37"},
    {"Jersey", "fill w saltire .16 #DF112D rect .42 .1 .16 .2 #DF112D rect .44 .04 .12 .06 #FFD100"},
    {"Latvia", "h #9E3039*2 w #9E3039*2"},
    {"Liechtenstein", "h #002B7F #CE1126 poly #FFD83D .14 .34 .15 .14 .22 .24 .27 .1 .32 .24 .39 .14 .4 .34"},
    {"Lithuania", "h #FDB913 #006A44 #C1272D"},
    {"Luxembourg", "h #EF3340 w #00A3E0"},
    {"Macedonia", "fill #D20000 poly #FFE600 .44 0 .56 0 .5 .5 poly #FFE600 .44 1 .56 1 .5 .5 "
                  "poly #FFE600 0 .42 0 .58 .5 .5 poly #FFE600 1 .42 1 .58 .5 .5 poly #FFE600 0 0 .12 0 .5 .5 0 .12 "
                  "poly #FFE600 1 0 .88 0 .5 .5 1 .12 poly #FFE600 0 1 .12 1 .5 .5 0 .88 "
                  "poly #FFE600 1 1 .88 1 .5 .5 1 .88 disc .5 .5 .21 #D20000 disc .5 .5 .16 #FFE600"},
    {"Malta", "v w #CF142B rect .06 .07 .16 .22 #B4B4B4"},
    {"Moldova", "v #0046AE #FFD200 #CC092F ell .5 .47 .1 .2 #9B6A3D rect .45 .45 .1 .12 #CC092F"},
    {"Monaco", "h #CE1126 w"},
    {"Netherlands", "h #AE1C28 w #21468B"},
    {"Norway", "fill #BA0C2F cross .36 .5 .3 w cross .36 .5 .14 #00205B"},
    {"Poland", "h w #DC143C"},
    {"Portugal", "v #046A38*2 #DA291C*3 disc .4 .5 .24 #FFE900 rect .34 .35 .12 .3 #DA291C rect .36 .41 .08 .18 w"},
    {"Romania", "v #002B7F #FCD116 #CE1126"},
    {"San_Marino", "h w #5EB6E4 rect .43 .33 .14 .34 #F1BF31 rect .45 .38 .1 .2 #5EB6E4"},
    {"Serbia-Mont.", "h #0C4076 w #C6363C"},
    {"Slovakia", "h w #0B4EA2 #EE1C25 poly w .18 .2 .46 .2 .46 .62 .32 .82 .18 .62 "
                 "poly #EE1C25 .2 .24 .44 .24 .44 .6 .32 .78 .2 .6 rect .3 .3 .04 .34 w rect .25 .38 .14 .06 w "
                 "poly #0B4EA2 .2 .6 .26 .56 .32 .62 .38 .56 .44 .6 .32 .78"},
    {"Slovenia", "h w #005DA4 #ED1C24 poly #ED1C24 .2 .14 .42 .14 .42 .48 .31 .6 .2 .48 "
                 "poly #005DA4 .22 .18 .4 .18 .4 .46 .31 .56 .22 .46 poly w .24 .44 .31 .28 .38 .44"},
    {"Spain", "h #AA151B #F1BF00*2 #AA151B rect .24 .34 .12 .32 #AA151B rect .26 .4 .08 .2 #F1BF00"},
    {"Sweden", "fill #006AA7 cross .36 .5 .2 #FECC00"},
    {"Switzerland", "fill #DA291C rect .4 .22 .2 .56 w rect .27 .41 .46 .18 w"},
    {"Ukraine", "h #0057B7 #FFD700"},
    {"Vatican_City", "v #FFE000 w line .62 .78 .86 .38 .07 #E0B000 line .62 .38 .86 .78 .07 #B5B5B5 "
                     "rect .7 .16 .08 .16 #B5B5B5"},
    {"United_Kingdom", "union"},

    // Asia
    {"Afghanistan", "v k #BE0000 #007A36 ring .5 .5 .24 .06 w"},
    {"Armenia", "h #D90012 #0033A0 #F2A800"},
    {"Azerbaijan", "h #00B5E2 #EF3340 #509E2F crescent .46 .5 .14 .04 0 .8 w star .58 .5 .06 w"},
    {"Bahrain", "fill #CE1126 serrate .25 .36 5 w"},
    {"Bangladesh", "fill #006A4E disc .45 .5 .3 #F42A41"},
    {"Bhutan", "fill #FF4E12 poly #FFCC33 0 0 1 0 0 1 line .24 .72 .76 .28 .16 w"},
    {"B.I.O.T.", "h w #012169 w #012169 w #012169 w #012169 w #012169 w #012169 box 0 0 .5 .5 union end "
                 "rect .74 .4 .04 .42 #6B4226 disc .76 .36 .1 #2E8B57"},
    {"Brunei", "fill #F7E017 poly w 0 .1 1 .48 1 .64 0 .26 poly k 0 .26 1 .64 1 .78 0 .4 "
               "disc .5 .45 .13 #CF1126 rect .47 .3 .06 .34 #CF1126"},
    {"Cambodia", "h #032EA1 #E00025*2 #032EA1 poly w .28 .66 .72 .66 .72 .58 .64 .58 .62 .4 .57 .52 .5 .3 .43 .52 "
                 ".38 .4 .36 .58 .28 .58"},
    {"China", "fill #DE2910 star .17 .25 .15 #FFDE00 star .33 .1 .05 #FFDE00 star .4 .2 .05 #FFDE00 "
              "star .4 .35 .05 #FFDE00 star .33 .45 .05 #FFDE00"},
    {"Cyprus", "fill w poly #D57800 .22 .46 .36 .32 .56 .3 .8 .2 .74 .34 .56 .46 .34 .52 "
               "line .34 .66 .48 .74 .06 #4E5B31 line .66 .66 .52 .74 .06 #4E5B31"},
    {"East_Timor", "fill #DC241F poly #FFC726 0 0 .5 .5 0 1 poly k 0 0 .33 .5 0 1 star .12 .5 .12 w"},
    {"Georgia", "fill w cross .5 .5 .2 #FF0000 box .12 .12 .22 .26 cross .5 .5 .3 #FF0000 end "
                "box .66 .12 .22 .26 cross .5 .5 .3 #FF0000 end box .12 .62 .22 .26 cross .5 .5 .3 #FF0000 end "
                "box .66 .62 .22 .26 cross .5 .5 .3 #FF0000 end"},
    {"Hong_Kong", "fill #DE2910 arcdots .5 .5 .15 5 .11 90 450 w disc .5 .5 .08 w"},
    {"India", "h #FF9933 w #138808 ring .5 .5 .14 .04 #000080"},
    {"Indonesia", "h #CE1126 w"},
    {"Iran", "h #239F40 w #DA0000 ring .5 .5 .1 .035 #DA0000 rect .48 .36 .04 .28 #DA0000"},
    {"Iraq", "h #CE1126 w k rect .24 .42 .12 .16 #007A3D rect .44 .42 .12 .16 #007A3D rect .64 .42 .12 .16 #007A3D"},
    {"Israel", "h w*2 #0038B8*3 w*10 #0038B8*3 w*2 hexagram .5 .5 .22 .05 #0038B8"},
    {"Japan", "fill w disc .5 .5 .3 #BC002D"},
    {"Jordan", "h k w #007A3D poly #CE1126 0 0 .5 .5 0 1 spikes 7 .18 .5 .09 .5 w"},
    {"Kazakhstan", "fill #00AFCA rect .04 0 .06 1 #FEC50C spikes 24 .55 .4 .22 .7 #FEC50C disc .55 .4 .13 #FEC50C "
                   "poly #FEC50C .32 .66 .55 .56 .78 .66 .55 .74"},
    {"Kuwait", "h #007A3D w #CE1126 poly k 0 0 .25 .333 .25 .667 0 1"},
    {"Kyrgyzstan", "fill #E8112D spikes 40 .5 .5 .34 .7 #FFEF00 disc .5 .5 .18 #FFEF00 ring .5 .5 .14 .04 #E8112D "
                   "line .4 .45 .6 .45 .03 #E8112D line .4 .55 .6 .55 .03 #E8112D"},
    {"Laos", "h #CE1126 #002868*2 #CE1126 disc .5 .5 .2 w"},
    {"Lebanon", "h #ED1C24 w*2 #ED1C24 poly #00A651 .5 .28 .66 .62 .56 .6 .68 .72 .32 .72 .44 .6 .34 .62 "
                "rect .48 .7 .04 .06 #00A651"},
    {"Macau", "fill #00785E star .5 .18 .09 #FBD116 arcstars .5 .4 .24 4 .045 160 20 #FBD116 "
              "poly w .5 .42 .58 .62 .42 .62 poly w .36 .5 .5 .64 .38 .64 poly w .64 .5 .5 .64 .62 .64 "
              "rect .36 .7 .28 .04 w rect .4 .78 .2 .03 w"},
    {"Malaysia", "h #CC0001 w #CC0001 w #CC0001 w #CC0001 w #CC0001 w #CC0001 w #CC0001 w box 0 0 .5 .571 "
                 "fill #010066 crescent .36 .5 .34 .1 0 .8 #FFCC00 spikes 14 .7 .5 .26 .45 #FFCC00 end"},
    {"Maledives", "fill #D21034 rect .25 .25 .5 .5 #007E3A crescent .52 .5 .17 .06 0 .8 w"},
    {"Mongolia", "v #C4272F #015197 #C4272F rect .12 .36 .09 .46 #F9CF02 disc .165 .24 .06 #F9CF02"},
    {"Myanmar", "h #FECB00 #34B233 #EA2839 star .5 .56 .36 w"},
    {"Nepal", "noframe poly #003893 0 0 .86 .5 .38 .5 .86 1 0 1 poly #DC143C .07 .12 .66 .45 .2 .45 .7 .93 .07 .93 "
              "crescent .22 .32 .1 0 -.05 .8 w spikes 12 .22 .72 .1 .55 w"},
    {"North_Korea", "h #024FA2*6 w #ED1C27*15 w #024FA2*6 disc .34 .5 .2 w star .34 .5 .19 #ED1C27"},
    {"Oman", "h w #DB161B #008000 rect 0 0 .26 1 #DB161B line .08 .08 .18 .22 .05 w line .18 .08 .08 .22 .05 w"},
    {"Pakistan", "v w #01411C*3 crescent .6 .5 .3 .09 -.07 .82 w star .7 .36 .09 w"},
    {"Philippines", "h #0038A8 #CE1126 poly w 0 0 .45 .5 0 1 spikes 8 .15 .5 .15 .45 #FCD116 disc .15 .5 .07 #FCD116"},
    {"Qatar", "fill #8A1538 serrate .3 .42 9 w"},
    {"Saudi_Arabia", "fill #006C35 rect .22 .3 .1 .12 w rect .36 .26 .06 .18 w rect .46 .3 .1 .12 w "
                     "rect .6 .26 .06 .18 w rect .7 .3 .08 .12 w rect .22 .64 .56 .06 w"},
    {"Singapore", "h #EF3340 w crescent .2 .25 .16 .06 0 .82 w arcstars .3 .25 .1 5 .035 90 450 w"},
    {"South_Korea", "fill w pie .5 .5 .25 0 180 #CD2E3A pie .5 .5 .25 180 180 #0047A0 "
                    "line .1 .28 .22 .12 .1 k line .78 .12 .9 .28 .1 k line .1 .72 .22 .88 .1 k line .78 .88 .9 .72 .1 k"},
    {"Sri-Lanka", "fill #FFBE29 rect .04 .08 .12 .84 #00534E rect .16 .08 .12 .84 #EB7400 rect .33 .08 .63 .84 #8D153A "
                  "poly #FFBE29 .48 .3 .8 .3 .8 .7 .72 .7 .72 .5 .56 .5 .56 .7 .48 .7"},
    {"Syria", "h #007A3D w k star .3 .5 .1 #CE1126 star .5 .5 .1 #CE1126 star .7 .5 .1 #CE1126"},
    {"Taiwan", "fill #FE0000 box 0 0 .5 .5 fill #000095 spikes 12 .5 .5 .4 .6 w disc .5 .5 .22 #000095 "
               "disc .5 .5 .17 w end"},
    {"Tajikistan", "h #CC0000*2 w*3 #006600*2 poly #F8C300 .42 .58 .44 .47 .47 .53 .5 .45 .53 .53 .56 .47 .58 .58 "
                   "arcdots .5 .58 .17 7 .025 160 20 #F8C300"},
    {"Thailand", "h #A51931 w #2D2A4A*2 w #A51931"},
    {"Turkey", "fill #E30A17 crescent .38 .5 .25 .065 0 .8 w star .56 .5 .1 w"},
    {"Turkmenistan", "fill #00843D rect .12 0 .2 1 #D22630 rect .15 .12 .14 .12 #FFB81C rect .15 .44 .14 .12 #FFB81C "
                     "rect .15 .76 .14 .12 #FFB81C crescent .46 .22 .12 .05 0 .8 w arcdots .5 .22 .14 5 .025 60 -60 w"},
    {"UAE", "h #00732F w k rect 0 0 .25 1 #FF0000"},
    {"Uzbekistan", "h #0099B5*9 #CE1126 w*8 #CE1126 #1EB53A*9 crescent .14 .17 .12 .04 0 .8 w "
                   "dots .27 .05 .3 .24 3 4 .025 w"},
    {"Vietnam", "fill #DA251D star .5 .52 .3 #FFFF00"},
    {"Yemen", "h #CE1126 w k"},

    // North America
    {"Anguilla", "ensign #012169 rect .64 .25 .2 .44 w rect .64 .56 .2 .13 #0072C6 arcdots .74 .4 .07 3 .04 90 450 #F18A00"},
    {"Antigua-Barbuda", "fill #CE1126 poly k 0 0 1 0 .775 .45 .225 .45 spikes 16 .5 .45 .24 .55 #FCD116 "
                        "poly #0072C6 .225 .45 .775 .45 .7 .6 .3 .6 poly w .3 .6 .7 .6 .5 1"},
    {"Aruba", "h #418FDE*11 #F9E814 #418FDE #F9E814 #418FDE*2 spikes 4 .18 .3 .2 .3 w spikes 4 .18 .3 .15 .3 #EF3340"},
    {"Bahamas", "h #00778B #FFC72C #00778B poly k 0 0 .45 .5 0 1"},
    {"Barbados", "v #00267F #FFC726 #00267F rect .47 .3 .06 .52 k rect .36 .52 .28 .06 k rect .36 .26 .06 .3 k "
                 "rect .58 .26 .06 .3 k"},
    {"Belize", "h #CE1126 #003F87*8 #CE1126 disc .5 .5 .32 w ring .5 .5 .3 .06 #3A7728 rect .44 .4 .12 .2 #8B5A2B"},
    {"Bermuda", "ensign #C8102E rect .64 .28 .2 .4 w rect .64 .56 .2 .12 #00843D disc .74 .44 .07 #C8102E"},
    {"BVI", "ensign #012169 rect .63 .26 .22 .46 #FFD100 rect .65 .28 .18 .42 #00843D rect .72 .34 .04 .26 w"},
    {"Canada", "v #D80621 w*2 #D80621 leaf .5 .5 .34 #D80621"},
    {"Cayman_Islands", "ensign #012169 rect .64 .26 .2 .14 #C8102E box .64 .4 .2 .3 h w #012169 w #012169 end "
                       "disc .74 .2 .06 #00843D"},
    {"Costa_Rica", "h #002B7F w #CE1126*2 w #002B7F ell .3 .5 .08 .12 w"},
    {"Cuba", "h #002A8F w #002A8F w #002A8F poly #CB1515 0 0 .45 .5 0 1 star .15 .5 .14 w"},
    {"Dominica", "fill #006B3F cross .5 .5 .3 #FCD116 cross .5 .5 .2 k cross .5 .5 .1 w disc .5 .5 .24 #D41C30 "
                 "arcstars .5 .5 .18 10 .035 90 450 #006B3F disc .5 .5 .07 #6C3B7E"},
    {"Dominican_Rep.", "fill w rect 0 0 .42 .41 #002D62 rect .58 0 .42 .41 #CE1126 rect 0 .59 .42 .41 #CE1126 "
                       "rect .58 .59 .42 .41 #002D62 disc .5 .5 .05 #007A3D"},
    {"El_Salvador", "h #0047AB w #0047AB ring .5 .5 .16 .05 #2F7D32 poly #E8C547 .5 .4 .57 .56 .43 .56"},
    {"Greenland", "h w #D00C33 pie .38 .5 .3 0 180 #D00C33 pie .38 .5 .3 180 180 w"},
    {"Grenada", "fill #CE1126 box .1 .15 .8 .7 fill #FCD116 poly #007A5E 0 0 .5 .5 0 1 poly #007A5E 1 0 .5 .5 1 1 "
                "disc .5 .5 .22 #CE1126 star .5 .5 .17 #FCD116 end dots .2 0 .6 .15 1 3 .04 #FCD116 "
                "dots .2 .85 .6 .15 1 3 .04 #FCD116"},
    {"Guatemala", "v #4997D0 w #4997D0 ring .5 .5 .15 .05 #4E8B3A rect .46 .42 .08 .12 #F5DEB3"},
    {"Haiti", "h #00209F #D21034 rect .36 .34 .28 .32 w rect .47 .38 .06 .2 #016A16"},
    {"Honduras", "h #00BCE4 w #00BCE4 star .5 .5 .06 #00BCE4 star .38 .42 .06 #00BCE4 star .62 .42 .06 #00BCE4 "
                 "star .38 .58 .06 #00BCE4 star .62 .58 .06 #00BCE4"},
    {"Jamaica", "fill k poly #009B3A 0 0 1 0 .5 .5 poly #009B3A 0 1 1 1 .5 .5 saltire .16 #FED100"},
    {"Martinique", "h #00A651 k poly #D21034 0 0 .45 .5 0 1"},
    {"Mexico", "v #006847 w #CE1126 ell .5 .46 .08 .14 #8C5B2E line .4 .64 .6 .64 .05 #3F8F3F"},
    {"Montserrat", "ensign #012169 rect .64 .26 .2 .44 #5BB2E8 rect .7 .4 .08 .3 #3A7D23 rect .72 .3 .04 .1 #7B3F00"},
    {"Nicaragua", "h #0067C6 w #0067C6 ring .5 .5 .15 .035 #C8A700 poly #3E9B3E .5 .4 .58 .58 .42 .58"},
    {"Panama", "fill w rect .5 0 .5 .5 #DA121A rect 0 .5 .5 .5 #072357 star .25 .25 .13 #072357 "
               "star .75 .75 .13 #DA121A"},
    {"Puerto_Rico", "h #ED0000 w #ED0000 w #ED0000 poly #0050F0 0 0 .45 .5 0 1 star .15 .5 .14 w"},
    {"Saint_Kitts_N.", "fill #009E49 poly #CE1126 1 0 1 1 0 1 diag .38 #FCD116 diag .26 k star .32 .68 .09 w "
                       "star .68 .32 .09 w"},
    {"Saint_Lucia", "fill #66CCFF poly w .5 .1 .72 .9 .28 .9 poly k .5 .2 .66 .9 .34 .9 poly #FCD116 .5 .5 .72 .9 .28 .9"},
    {"Saint_Pierre_M.", "fill #0063BA poly #FFD700 .36 .66 .92 .66 .84 .8 .44 .8 poly #FFD700 .58 .18 .58 .62 .84 .62 "
                        "rect .4 .86 .52 .05 w box 0 0 .24 .34 fill #D52B1E saltire .22 #009B48 cross .5 .5 .16 w end "
                        "box 0 .34 .24 .33 h w k w end box 0 .67 .24 .33 fill #D52B1E rect .3 .25 .4 .5 #FFD700 end"},
    {"S.V._Grenadines", "v #0072C6 #FCD116*2 #009E60 poly #009E60 .33 .42 .38 .3 .43 .42 .38 .54 "
                        "poly #009E60 .57 .42 .62 .3 .67 .42 .62 .54 poly #009E60 .45 .66 .5 .54 .55 .66 .5 .78"},
    {"Trinidad_Tobago", "fill #CE1126 adiag .42 w adiag .3 k"},
    {"Turks_Caicos_I.", "ensign #012169 rect .64 .26 .2 .44 #FFD100 disc .7 .4 .05 #F08080 rect .77 .48 .03 .14 #00843D"},
    {"USA", "h #B22234 w #B22234 w #B22234 w #B22234 w #B22234 w #B22234 w #B22234 box 0 0 .4 .538 fill #3C3B6E "
            "dots .05 .05 .9 .9 4 5 .035 w end"},
    {"Virgin_Islands", "fill w poly #F9D616 .5 .24 .82 .3 .72 .56 .5 .72 .28 .56 .18 .3 rect .45 .38 .1 .2 #0A3161 "
                       "line .06 .34 .11 .64 .05 #00569F line .11 .64 .16 .34 .05 #00569F line .9 .34 .9 .64 .05 #00569F"},

    // South America
    {"Argentina", "h #74ACDF w #74ACDF disc .5 .5 .13 #F6B40E"},
    {"Bolivia", "h #D52B1E #F9E300 #007934"},
    {"Brazil", "fill #009739 poly #FEDD00 .5 .08 .94 .5 .5 .92 .06 .5 disc .5 .5 .23 #012169 line .33 .56 .67 .44 .05 w"},
    {"Chile", "h w #D52B1E rect 0 0 .333 .5 #0039A6 star .167 .25 .14 w"},
    {"Colombia", "h #FCD116*2 #003893 #CE1126"},
    {"Equador", "h #FFDD00*2 #034EA2 #ED1C24 ell .5 .52 .12 .18 #6FA8DC ell .5 .58 .08 .1 #3C8D3C rect .4 .3 .2 .06 #5C4033"},
    {"Falkland_Isl.", "ensign #012169 rect .64 .26 .2 .44 #0072C6 rect .68 .32 .12 .1 w box .64 .5 .2 .2 h w #0072C6 w end"},
    {"Guyana", "fill #009E49 poly w 0 0 1 .5 0 1 poly #FCD116 0 .05 .92 .5 0 .95 poly k 0 0 .5 .5 0 1 "
               "poly #CE1126 0 .07 .43 .5 0 .93"},
    {"Paraquay", "h #D52B1E w #0038A8 ring .5 .5 .12 .035 #3A7D44 star .5 .5 .06 #FCD116"},
    {"Peru", "v #D91023 w #D91023"},
    {"South_Georgia", "ensign #012169 rect .64 .26 .2 .44 #F0D25A rect .66 .36 .16 .3 #0F4C9A disc .74 .48 .05 w"},
    {"Suriname", "h #377E3F*2 w #B40A2D*4 w #377E3F*2 star .5 .5 .2 #ECC81D"},
    {"Uruquay", "h w #0038A8 w #0038A8 w #0038A8 w #0038A8 w box 0 0 .4 .556 fill w spikes 16 .5 .5 .42 .6 #FCD116 "
                "disc .5 .5 .22 #FCD116 end"},
    {"Venezuela", "h #FFCC00 #00247D #CF142B arcstars .5 .62 .22 8 .04 165 15 w"},

    // Oceania
    {"American_Samoa", "fill #002B7F poly #BF0A30 1 0 0 .5 1 1 poly w 1 .1 .18 .5 1 .9 "
                       "poly #6B3E1F .55 .42 .9 .3 .78 .56 .62 .6"},
    {"Australia", "ensign #012169 spikes 7 .25 .75 .14 .45 w star .75 .18 .07 w star .62 .46 .07 w star .88 .4 .07 w "
                  "star .75 .82 .08 w star .8 .56 .04 w"},
    {"Cook_Islands", "ensign #012169 arcstars .75 .5 .26 15 .035 90 450 w"},
    {"Fiji", "ensign #68BFE5 box .62 .28 .24 .46 fill w cross .5 .6 .1 #CE1126 rect 0 0 1 .26 #CE1126 end"},
    {"Fr._Polynesia", "h #CE1126 w*2 #CE1126 disc .5 .5 .18 #F4B400 box .38 .5 .24 .16 h #1A44A4 w #1A44A4 end"},
    {"Guam", "fill #C62139 rect .05 .07 .9 .86 #00296B ell .5 .5 .16 .3 #C62139 ell .5 .5 .13 .26 #7DC3E8"},
    {"Kiribati", "fill #CE1126 spikes 16 .5 .5 .3 .6 #FCD116 disc .5 .5 .16 #FCD116 "
                 "box 0 .5 1 .5 h #003F87 w #003F87 w #003F87 w end line .36 .18 .64 .18 .06 #FCD116"},
    {"Marshall_Isl.", "fill #003893 poly #DD7500 0 1 1 .06 1 .26 poly w 0 1 1 .26 1 .46 spikes 24 .25 .3 .18 .4 w"},
    {"Micronesia", "fill #75B2DD arcstars .5 .5 .24 4 .08 90 450 w"},
    {"Nauru", "fill #002B7F rect 0 .44 1 .1 #FFC61E spikes 12 .25 .74 .13 .5 w"},
    {"New_Zealand", "ensign #012169 star .75 .2 .1 w star .75 .2 .07 #C8102E star .62 .46 .09 w star .62 .46 .06 #C8102E "
                    "star .87 .4 .09 w star .87 .4 .06 #C8102E star .75 .8 .1 w star .75 .8 .07 #C8102E"},
    {"Niue", "ensign #FEDD00 box 0 0 .5 .5 disc .5 .5 .2 #012169 star .5 .5 .18 #FEDD00 end"},
    {"Norfolk_Island", "v #009A44*7 w*9 #009A44*7 poly #009A44 .5 .12 .64 .78 .36 .78 rect .48 .78 .04 .1 #009A44"},
    {"N._Mariana_Isl.", "fill #0071BC ring .5 .5 .34 .08 #8AB04A rect .45 .44 .1 .32 #A0A0A0 star .5 .44 .18 w"},
    {"Palau", "fill #0099FF disc .42 .5 .3 #FFDE00"},
    {"Papua_New_G.", "fill k poly #CE1126 0 0 1 0 1 1 poly #FCD116 .56 .26 .74 .16 .9 .22 .8 .32 .66 .42 "
                     "star .22 .5 .05 w star .32 .66 .05 w star .14 .7 .05 w star .24 .86 .05 w star .38 .82 .04 w"},
    {"Pitcairn_Isl.", "ensign #012169 rect .64 .26 .2 .44 #3A9A3A rect .64 .26 .2 .14 #6BB1E1 rect .72 .4 .04 .2 #FFD100"},
    {"Samoa", "fill #CE1126 rect 0 0 .5 .5 #002B7F star .25 .1 .06 w star .14 .26 .06 w star .36 .22 .06 w "
              "star .25 .4 .06 w star .31 .3 .04 w"},
    {"Solomon_Islands", "fill #0051BA poly #215B33 0 1 1 0 1 1 diag .12 #FCD116 star .1 .12 .05 w star .3 .12 .05 w "
                        "star .2 .22 .05 w star .1 .32 .05 w star .3 .32 .05 w"},
    {"Tonga", "fill #C10000 rect 0 0 .43 .5 w rect .17 .08 .1 .34 #C10000 rect .09 .19 .26 .12 #C10000"},
    {"Tuvalu", "ensign #5FB1E0 star .58 .72 .05 #FFCE00 star .68 .56 .05 #FFCE00 star .78 .44 .05 #FFCE00 "
               "star .9 .2 .05 #FFCE00 star .64 .88 .05 #FFCE00 star .82 .66 .05 #FFCE00 star .78 .86 .05 #FFCE00 "
               "star .92 .78 .05 #FFCE00 star .9 .5 .05 #FFCE00"},
    {"Vanuatu", "h #D21034 #009543 rect 0 .4 1 .2 k poly k -.05 -.08 .55 .4 .55 .6 -.05 1.08 rect .48 .45 .52 .1 #FDCE12 "
                "line 0 -.02 .5 .5 .09 #FDCE12 line 0 1.02 .5 .5 .09 #FDCE12 poly k 0 .12 .38 .5 0 .88 "
                "ring .14 .5 .08 .03 #FDCE12"},
    {"Wallis-Futuna", "fill #ED2939 rect 0 0 .4 .44 w box 0 0 .37 .4 v #002395 w #ED2939 end "
                      "box .56 .36 .28 .36 saltire .24 w end"},

    // Africa
    {"Algeria", "v #006233 w crescent .52 .5 .26 .08 0 .8 #D21034 star .6 .5 .1 #D21034"},
    {"Angola", "h #CC092F k ring .48 .5 .2 .06 #FFCB00 line .38 .7 .64 .3 .07 #FFCB00 star .5 .38 .06 #FFCB00"},
    {"Benin", "h #FCD116 #E8112D rect 0 0 .4 1 #008751"},
    {"Botswana", "h #75AADB*9 w k*4 w #75AADB*9"},
    {"Burkina_Faso", "h #EF2B2D #009E49 star .5 .5 .16 #FCD116"},
    {"Burundi", "fill #CE1126 poly #1EB53A 0 0 .5 .5 0 1 poly #1EB53A 1 0 .5 .5 1 1 saltire .15 w disc .5 .5 .24 w "
                "star .5 .38 .06 #CE1126 star .41 .56 .06 #CE1126 star .59 .56 .06 #CE1126"},
    {"Cameroon", "v #007A5E #CE1126 #FCD116 star .5 .5 .15 #FCD116"},
    {"Cape_Verde", "h #003893*6 w #CF2027 w #003893*3 arcstars .38 .62 .22 10 .04 90 450 #F7D116"},
    {"CAR", "h #003082 w #289728 #FFCE00 rect .42 0 .16 1 #D21034 star .14 .12 .09 #FFCE00"},
    {"Chad", "v #002664 #FECB00 #C60C30"},
    {"Comoros", "h #FFC61E w #CE1126 #3A75C4 poly #3D8E33 0 0 .5 .5 0 1 crescent .16 .5 .18 .06 0 .8 w "
                "dots .24 .34 .04 .32 4 1 .025 w"},
    {"Congo_Rep.", "fill #FBDE4A poly #009543 0 0 .72 0 0 .86 poly #DC241F 1 1 .28 1 1 .14"},
    {"Congo_DR", "fill #007FFF diag .36 #F7D618 diag .26 #CE1021 star .16 .2 .14 #F7D618"},
    {"Djibouti", "h #6AB2E7 #12AD2B poly w 0 0 .5 .5 0 1 star .16 .5 .1 #D7141A"},
    {"Egypt", "h #CE1126 w k poly #C09300 .5 .3 .62 .42 .58 .66 .5 .72 .42 .66 .38 .42"},
    {"Eq._Guinea", "h #3E9A00 w #E32118 poly #0073CE 0 0 .3 .5 0 1 rect .47 .4 .06 .2 #A0A0A0"},
    {"Eritrea", "h #12AD2B #4189DD poly #EA0437 0 0 1 .5 0 1 ring .22 .5 .14 .04 #FFC726"},
    {"Ethiopia", "h #078930 #FCDD09 #DA121A disc .5 .5 .24 #0F47AF starline .5 .5 .17 .04 #FCDD09"},
    {"Gabon", "h #009E60 #FCD116 #3A75C4"},
    {"Gambia", "h #CE1126*6 w #0C1C8C*4 w #3A7728*6"},
    {"Ghana", "h #CE1126 #FCD116 #006B3F star .5 .5 .17 k"},
    {"Guinea", "v #CE1126 #FCD116 #009460"},
    {"Guinea-Bissau", "h #FCD116 #009E49 rect 0 0 .4 1 #CE1126 star .2 .5 .14 k"},
    {"Cote_Divoire", "v #F77F00 w #009E60"},
    {"Kenya", "h k*6 w #BB0000*6 w #006600*6 line .34 .1 .66 .9 .04 w line .66 .1 .34 .9 .04 w "
              "ell .5 .5 .14 .38 #BB0000 ell .43 .5 .05 .3 k ell .57 .5 .05 .3 k disc .5 .5 .05 w"},
    {"Lesotho", "h #00209F*3 w*4 #009543*3 poly k .5 .3 .62 .62 .38 .62 rect .47 .24 .06 .08 k"},
    {"Liberia", "h #BF0A30 w #BF0A30 w #BF0A30 w #BF0A30 w #BF0A30 w #BF0A30 box 0 0 .42 .455 fill #002868 "
                "star .5 .5 .35 w end"},
    {"Libya", "h #E70013 k*2 #239E46 crescent .47 .5 .16 .05 0 .8 w star .57 .5 .07 w"},
    {"Madagascar", "h #FC3D32 #007E3A rect 0 0 .333 1 w"},
    {"Malawi", "h k #CE1126 #339E35 spikes 24 .5 .333 .26 .6 #CE1126"},
    {"Mali", "v #14B53A #FCD116 #CE1126"},
    {"Mauretania", "h #D01C1F #00A95C*6 #D01C1F crescent .5 .48 .28 0 -.1 .8 #FFD700 star .5 .36 .09 #FFD700"},
    {"Mauritius", "h #EA2839 #1A206D #FFD500 #00A551"},
    {"Morocco", "fill #C1272D starline .5 .5 .28 .05 #006233"},
    {"Mozambique", "h #007168*6 w k*6 w #FCE100*6 poly #D21034 0 0 .45 .5 0 1 star .16 .5 .15 #FCE100 "
                   "line .1 .62 .24 .42 .04 k"},
    {"Namibia", "fill #003580 poly #009543 1 0 1 1 0 1 diag .38 w diag .28 #D21034 spikes 12 .2 .25 .14 .55 #FFCE00"},
    {"Niger", "h #E05206 w #0DB02B disc .5 .5 .12 #E05206"},
    {"Nigeria", "v #008751 w #008751"},
    {"Rwanda", "h #00A1DE*2 #FAD201 #20603D spikes 24 .82 .24 .16 .6 #E5BE01 disc .82 .24 .08 #E5BE01"},
    {"Saint_Helena", "ensign #012169 rect .64 .26 .2 .44 #6EC1E4 rect .64 .26 .2 .14 #FDEE00 rect .7 .48 .08 .1 k"},
    {"Sao_Tome_Pr.", "h #12AD2B*2 #FFCE00*3 #12AD2B*2 poly #D21034 0 0 .3 .5 0 1 star .5 .5 .12 k star .75 .5 .12 k"},
    {"Senegal", "v #00853F #FDEF42 #E31B23 star .5 .5 .16 #00853F"},
    {"Seychelles", "poly #003F87 0 1 0 0 .333 0 poly #FCD856 0 1 .333 0 .667 0 poly #D62828 0 1 .667 0 1 0 1 .333 "
                   "poly w 0 1 1 .333 1 .667 poly #007A3D 0 1 1 .667 1 1"},
    {"Sierra_Leone", "h #1EB53A w #0072C6"},
    {"Somalia", "fill #4189DD star .5 .5 .3 w"},
    {"South_Africa", "h #E03C31 #001489 line -.2 -.2 .45 .5 .36 w line -.2 1.2 .45 .5 .36 w rect .42 .32 .58 .36 w "
                     "line -.2 -.2 .45 .5 .22 #007749 line -.2 1.2 .45 .5 .22 #007749 rect .42 .4 .58 .2 #007749 "
                     "poly #FFB612 0 .1 .38 .5 0 .9 poly k 0 .2 .28 .5 0 .8"},
    {"Sudan", "h #D21034 w k poly #007229 0 0 .4 .5 0 1"},
    {"Swaziland", "h #3E5EB9*3 #FFD900 #B10C0C*8 #FFD900 #3E5EB9*3 line .16 .5 .84 .5 .03 #FFD900 "
                  "ell .5 .5 .26 .16 k box 0 0 .5 1 ell 1 .5 .26 .16 w end"},
    {"Tanzania", "fill #1EB53A poly #00A3DD 1 0 1 1 0 1 diag .38 #FCD116 diag .26 k"},
    {"Togo", "h #006A4E #FFCE00 #006A4E #FFCE00 #006A4E rect 0 0 .4 .6 #D21034 star .2 .3 .17 w"},
    {"Tunisia", "fill #E70013 disc .5 .5 .28 w crescent .49 .5 .22 .06 0 .8 #E70013 star .56 .5 .11 #E70013"},
    {"Uganda", "h k #FCDC04 #D90000 k #FCDC04 #D90000 disc .5 .5 .22 w rect .46 .38 .08 .26 #9CA69C "
               "disc .5 .36 .05 #D90000"},
    {"Zambia", "fill #198A00 rect .62 .4 .12 .6 #DE2010 rect .74 .4 .12 .6 k rect .86 .4 .14 .6 #EF7D00 "
               "poly #EF7D00 .64 .14 .8 .26 .98 .14 .8 .34"},
    {"Zimbabwe", "h #319208 #FFD200 #DE2010 k #DE2010 #FFD200 #319208 poly k 0 -.04 .5 .5 0 1.04 "
                 "poly w 0 .04 .45 .5 0 .96 star .16 .5 .13 #DE2010 rect .14 .44 .05 .12 #FFD200"},
};

}  // namespace

std::span<const TFlagDesign> FlagDesigns() { return kDesigns; }

std::string_view FlagDesignOf(std::string_view shortName) {
  for (const TFlagDesign& d : kDesigns)
    if (d.Short == shortName) return d.Design;
  return {};
}

}  // namespace zembra
