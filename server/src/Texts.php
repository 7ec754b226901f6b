<?php
// Every text the pages show, in Czech and English.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class Texts
{
    private const TEXTS = [
        'cs' => [
            'title' => 'Šest kostek – on-line tabulka',
            'heading' => 'Šest kostek',
            'subheading' => 'Nejlepší výsledky on-line',
            'rank' => 'Pořadí',
            'name' => 'Jméno',
            'score' => 'Hodnota',
            'date' => 'Datum',
            'empty' => 'Zatím tu nejsou žádné výsledky. Dohrajte hru a pošlete svůj výsledek z obrazovky nejlepšího výsledku.',
            'recorded' => 'Zapsáno: %s, hodnota %d – %d. místo.',
            'beyond' => 'Tabulka ukazuje prvních %d míst; váš výsledek je pod nimi.',
            'explain' => 'Hodnota = body × průměr bodů na jeden hod (zaokrouhlený na celé číslo). Při shodě je výš dřívější výsledek.',
            'refused' => 'Výsledek nebyl přijat',
            'failed' => 'Tabulka teď není k dispozici',
            'show_table' => 'Zobrazit tabulku',
            'switch' => 'English',
            'play' => 'Hrát v prohlížeči',
            'date_format' => 'j. n. Y',
            'reason' => [
                'method_not_allowed' => 'Tato adresa odpovídá jen na požadavky GET.',
                'query_too_long' => 'Adresa je příliš dlouhá.',
                'bad_encoding' => 'Hodnota „%s“ není v adrese správně zakódovaná.',
                'duplicate_key' => 'Hodnota „%s“ je v adrese víckrát.',
                'missing_key' => 'V adrese chybí hodnota „%s“.',
                'wrong_game' => 'Tato tabulka vede jen výsledky hry Šest kostek (hra 43).',
                'bad_format' => 'Tento formát tabulka nezná; použijte format=json nebo žádný.',
                'bad_score' => 'Hodnota výsledku není celé číslo zapsané tak, jak ho píše hra.',
                'score_out_of_range' => 'Hodnota výsledku se nevejde do 32bitového celého čísla.',
                'score_implausible' => 'Hodnotu %d tabulka nepřijímá: přijímá 0 až %d, nejvíc, kolik hra dá s nejlepšími políčky a nejmenším počtem hodů.',
                'bad_rand' => 'Náhodné číslo není celé číslo zapsané tak, jak ho píše hra.',
                'rand_out_of_range' => 'Náhodné číslo musí být od 0 do %d.',
                'name_empty' => 'Jméno hráče je prázdné.',
                'name_too_long' => 'Jméno hráče je delší než %d znaků.',
                'name_blank' => 'Jméno hráče obsahuje jen mezery.',
                'name_invalid' => 'Jméno hráče obsahuje znaky, které kódová stránka 1250 nemá.',
                'name_invisible' => 'Jméno hráče obsahuje neviditelný řídicí nebo formátovací znak (%s); takové znaky tabulka nepřijímá.',
                'email_too_long' => 'E-mailová adresa je delší než %d bajtů.',
                'email_invalid' => 'E-mailová adresa obsahuje znaky, které kódová stránka 1250 nemá.',
                'email_invisible' => 'E-mailová adresa obsahuje neviditelný řídicí nebo formátovací znak (%s); takové znaky tabulka nepřijímá.',
                'bad_check' => 'Kontrolní součet není 32 malých šestnáctkových číslic.',
                'check_mismatch' => 'Kontrolní součet nesedí ke jménu, hodnotě a náhodnému číslu: adresa byla změněna, nebo ji nesestavila hra.',
                'rate_limited' => 'Z vaší adresy přišlo za poslední hodinu příliš mnoho výsledků (nejvýše %d). Zkuste to znovu za %d min.',
                'name_banned' => 'Výsledky pod tímto jménem tabulka nepřijímá.',
                'network_banned' => 'Výsledky z vaší sítě tabulka nepřijímá.',
                'table_full' => 'Tabulka za poslední hodinu přijala tolik nových výsledků, kolik za hodinu přijímá. Zkuste to znovu za %d min.',
                'not_found' => 'Tato stránka neexistuje.',
                'unavailable' => 'Zkuste to prosím později.',
                'database_unavailable' => 'Databáze tabulky teď neodpovídá. Zkuste to prosím za chvíli znovu: výsledek poslaný znovu se zapíše jen jednou.',
            ],
        ],
        'en' => [
            'title' => 'Six Dice – on-line table',
            'heading' => 'Six Dice',
            'subheading' => 'Best results on-line',
            'rank' => 'Rank',
            'name' => 'Name',
            'score' => 'Score',
            'date' => 'Date',
            'empty' => 'No results yet. Finish a game and send your result from the highscore screen.',
            'recorded' => 'Recorded: %s, score %d – rank %d.',
            'beyond' => 'The table shows the first %d places; your result is below them.',
            'explain' => 'Score = points × average points per throw (rounded to a whole number). On equal scores the earlier result ranks higher.',
            'refused' => 'The result was not accepted',
            'failed' => 'The table is not available right now',
            'show_table' => 'Show the table',
            'switch' => 'Česky',
            'play' => 'Play in the browser',
            'date_format' => 'Y-m-d',
            'reason' => [
                'method_not_allowed' => 'This address answers GET requests only.',
                'query_too_long' => 'The address is too long.',
                'bad_encoding' => 'The value “%s” is not correctly percent-encoded in the address.',
                'duplicate_key' => 'The value “%s” appears more than once in the address.',
                'missing_key' => 'The address lacks the value “%s”.',
                'wrong_game' => 'This table keeps the results of Six Dice only (game 43).',
                'bad_format' => 'The table knows no such format; use format=json or none.',
                'bad_score' => 'The score is not a whole number written the way the game writes it.',
                'score_out_of_range' => 'The score does not fit a 32-bit whole number.',
                'score_implausible' => 'The table does not accept a score of %d: it accepts 0 to %d, the most a game gives with its best cells in the fewest throws.',
                'bad_rand' => 'The random number is not a whole number written the way the game writes it.',
                'rand_out_of_range' => 'The random number must be 0 to %d.',
                'name_empty' => 'The player’s name is empty.',
                'name_too_long' => 'The player’s name is longer than %d characters.',
                'name_blank' => 'The player’s name holds nothing but spaces.',
                'name_invalid' => 'The player’s name holds characters that code page 1250 lacks.',
                'name_invisible' => 'The player’s name holds an invisible control or formatting character (%s); the table accepts none.',
                'email_too_long' => 'The e-mail address is longer than %d bytes.',
                'email_invalid' => 'The e-mail address holds characters that code page 1250 lacks.',
                'email_invisible' => 'The e-mail address holds an invisible control or formatting character (%s); the table accepts none.',
                'bad_check' => 'The check value is not 32 lower-case hexadecimal digits.',
                'check_mismatch' => 'The check value does not match the name, score and random number: the address was changed, or the game did not make it.',
                'rate_limited' => 'Too many results came from your address in the last hour (at most %d). Try again in %d min.',
                'name_banned' => 'The table does not accept results under this name.',
                'network_banned' => 'The table does not accept results from your network.',
                'table_full' => 'The table has taken as many new results in the last hour as it takes in an hour. Try again in %d min.',
                'not_found' => 'There is no such page.',
                'unavailable' => 'Please try again later.',
                'database_unavailable' => 'The table\'s database is not answering just now. Please try again in a moment: a result sent again is stored once.',
            ],
        ],
    ];

    /** @return array<string, mixed> */
    public static function of(string $language): array
    {
        return self::TEXTS[$language] ?? self::TEXTS[Language::ENGLISH];
    }

    public static function reason(string $language, Refusal $refusal): string
    {
        return vsprintf(self::of($language)['reason'][$refusal->reason->value], $refusal->details);
    }
}
