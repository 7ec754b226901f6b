<?php
// The table page and the refusal page: self-contained HTML and CSS in the game's look (green
// felt, gold plates, the cream score sheet), readable on a phone. Every stored text is escaped.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

namespace SixDice\Server;

final class HtmlView
{
    /** @var array<int, string> formatted dates by quarter hour */
    private array $dates = [];

    /** $gameLink: the browser game is served beside the table (/play/), so the page leads to it. */
    public function __construct(
        private readonly string $language,
        private readonly string $timezone,
        private readonly bool $gameLink = false,
    ) {
    }

    /**
     * @param list<array{id:int, rank:int, player:string, score:int, submitted_at:int}> $rows
     * @param array{id:int, rank:int, player:string, score:int, submitted_at:int}|null $mine
     */
    public function table(array $rows, ?array $mine, Query $query): string
    {
        $t = Texts::of($this->language);
        $body = '';
        if ($mine !== null) {
            $body .= '<p class="plate notice" id="recorded">'
                . self::e(sprintf($t['recorded'], $mine['player'], $mine['score'], $mine['rank'])) . '</p>';
        }
        if ($rows === []) {
            $body .= '<p class="panel">' . self::e($t['empty']) . '</p>';
        } else {
            $body .= '<table class="sheet"><thead><tr><th class="num" scope="col">' . self::e($t['rank'])
                . '</th><th scope="col">' . self::e($t['name']) . '</th><th class="num" scope="col">'
                . self::e($t['score']) . '</th><th class="date" scope="col">' . self::e($t['date'])
                . '</th></tr></thead><tbody>';
            $shown = false;
            // The dates in the table's time zone, set once for all rows (date() creates no
            // object per row the way a DateTime with its time zone would).
            $zone = date_default_timezone_get();
            date_default_timezone_set($this->timezone);
            $format = $t['date_format'];
            foreach ($rows as $row) {
                $isMine = $mine !== null && $row['id'] === $mine['id'];
                $shown = $shown || $isMine;
                $body .= $this->row($row, $isMine, $format);
            }
            if ($mine !== null && !$shown) {
                $body .= '<tr class="gap"><td colspan="4">…</td></tr>' . $this->row($mine, true, $format);
            }
            date_default_timezone_set($zone);
            $body .= '</tbody></table>';
            if ($mine !== null && !$shown) {
                $body .= '<p class="note">' . self::e(sprintf($t['beyond'], ScoreTable::SHOWN)) . '</p>';
            }
        }
        $body .= '<p class="note">' . self::e($t['explain']) . '</p>';
        if ($this->gameLink) {
            $body .= '<p class="play"><a class="plate" id="play" href="/play/?lang='
                . ($this->language === Language::CZECH ? 'CZ' : 'EN') . '">' . self::e($t['play']) . '</a></p>';
        }
        return $this->page($body, $query);
    }

    public function refusal(Refusal $refusal): string
    {
        $t = Texts::of($this->language);
        $heading = in_array($refusal->reason, [Reason::Unavailable, Reason::DatabaseUnavailable], true) ? $t['failed'] : $t['refused'];
        $body = '<section class="panel" id="refusal"><h2>' . self::e($heading) . '</h2><p>'
            . self::e(Texts::reason($this->language, $refusal)) . '</p><p><a class="plate" href="?gid=43&amp;lang='
            . $this->language . '">' . self::e($t['show_table']) . '</a></p></section>';
        return $this->page($body, null);
    }

    /** @param array{id:int, rank:int, player:string, score:int, submitted_at:int} $row */
    private function row(array $row, bool $mine, string $dateFormat): string
    {
        return '<tr' . ($mine ? ' class="mine" id="mine"' : '') . '><td class="num">' . $row['rank']
            . '</td><td class="name">' . self::e($row['player']) . '</td><td class="num">' . $row['score']
            . '</td><td class="date">' . $this->date($row['submitted_at'], $dateFormat) . '</td></tr>';
    }

    /**
     * A day's date, escaped, in the time zone set for the table. Every time zone's offsets and
     * changes fall on quarters of an hour, so one quarter hour has one date and one formatting.
     */
    private function date(int $time, string $format): string
    {
        return $this->dates[intdiv($time, 900)] ??= self::e(date($format, $time));
    }

    private function page(string $body, ?Query $query): string
    {
        $t = Texts::of($this->language);
        $other = $this->language === Language::CZECH ? Language::ENGLISH : Language::CZECH;
        $switch = self::e('?' . ($query?->inLanguage($other) ?? 'gid=43&lang=' . $other));
        return '<!DOCTYPE html><html lang="' . $this->language . '"><head><meta charset="utf-8">'
            . '<meta name="viewport" content="width=device-width, initial-scale=1">'
            . '<meta name="referrer" content="no-referrer"><link rel="icon" href=\'' . self::icon() . '\'>'
            . '<title>' . self::e($t['title']) . '</title>'
            . '<style>' . self::STYLE . '</style></head><body><div class="wrap"><header>' . self::DIE
            . '<div class="heading"><h1>' . self::e($t['heading']) . '</h1><p class="sub">'
            . self::e($t['subheading']) . '</p></div><a class="plate switch" href="' . $switch . '" hreflang="'
            . $other . '" lang="' . $other . '">' . self::e($t['switch']) . '</a></header><main>' . $body
            . '</main></div></body></html>';
    }

    /** The page's die as the tab's icon, inside the page: no request for /favicon.ico. */
    private static function icon(): string
    {
        $svg = str_replace(['<svg class="die"', ' aria-hidden="true"'], ['<svg xmlns="http://www.w3.org/2000/svg"', ''], self::DIE);
        // In single quotes, so the SVG's own double quotes stay as they are.
        return 'data:image/svg+xml,' . strtr($svg, ['#' => '%23', '<' => '%3C', '>' => '%3E', '%' => '%25']);
    }

    private static function e(string $text): string
    {
        return htmlspecialchars($text, ENT_QUOTES | ENT_SUBSTITUTE | ENT_HTML5, 'UTF-8');
    }

    /** An ivory die showing six, like the game's. */
    private const DIE = '<svg class="die" viewBox="0 0 50 50" aria-hidden="true"><defs><linearGradient id="iv" x1="0" y1="0" x2="1" y2="1">'
        . '<stop offset="0" stop-color="#fffdf4"/><stop offset=".6" stop-color="#f6efd6"/><stop offset="1" stop-color="#e2d6b0"/>'
        . '</linearGradient></defs><rect x="4" y="4" width="42" height="42" rx="7" fill="url(#iv)" stroke="#9a8858"/>'
        . '<g fill="#1b120c"><circle cx="15" cy="14" r="4.1"/><circle cx="35" cy="14" r="4.1"/><circle cx="15" cy="25" r="4.1"/>'
        . '<circle cx="35" cy="25" r="4.1"/><circle cx="15" cy="36" r="4.1"/><circle cx="35" cy="36" r="4.1"/></g></svg>';

    private const STYLE = <<<'CSS'
*{box-sizing:border-box}
html{background:rgb(0,64,0)}
body{margin:0;min-height:100vh;color:#fffff0;font:16px/1.4 Lato,"DejaVu Sans","Segoe UI",Arial,sans-serif;
background:radial-gradient(ellipse at 50% 25%,rgb(0,128,0) 0%,rgb(0,64,0) 55%,#002a00 100%) fixed rgb(0,64,0)}
.wrap{max-width:44rem;margin:0 auto;padding:1rem .75rem 2rem}
header{display:flex;align-items:center;gap:.75rem;margin-bottom:1.1rem}
.die{width:3.2rem;height:3.2rem;flex:none;transform:rotate(-8deg);filter:drop-shadow(2px 3px 2px rgba(0,0,0,.55))}
.heading{flex:1;min-width:0}
h1{margin:-.15em 0 0;padding-top:.15em;font-size:clamp(1.9rem,8vw,2.9rem);font-weight:900;line-height:1.05;color:#f3c342;
background:linear-gradient(#fff3b0,#f3c342 50%,#b97d12);-webkit-background-clip:text;background-clip:text;
-webkit-text-fill-color:transparent;-webkit-text-stroke:1px #2a1600;filter:drop-shadow(2px 2px 0 rgba(0,20,0,.55))}
.sub{margin:.15rem 0 0;color:#cfe8b8;font-weight:700}
.plate{display:inline-block;padding:.35rem .9rem;border:2px solid #3d2404;border-radius:.4rem;color:#3a2000;
font-weight:900;text-decoration:none;background:linear-gradient(#f7d774,#deaa2e 50%,#a86f0e);
box-shadow:inset 0 1px 0 #fff1b8,inset 0 -1px 0 #6e4606,0 2px 5px rgba(0,0,0,.5)}
a.plate:hover,a.plate:focus{background:linear-gradient(#fffbe0,#ffe066 45%,#f0b020);color:#6a0000}
.switch{flex:none;font-size:.9rem}
.notice{display:block;margin:0 0 1rem;text-align:center}
.sheet{width:100%;border-collapse:collapse;color:#2a1a06;background:linear-gradient(#fdf7e4,#f6ecd0);
border:2px solid #3d2404;box-shadow:0 4px 12px rgba(0,0,0,.55);font-variant-numeric:tabular-nums}
.sheet th{padding:.45rem .55rem;text-align:left;color:#3a2000;font-weight:900;border-bottom:2px solid #3d2404;
background:linear-gradient(#f7d774,#deaa2e 50%,#a86f0e)}
.sheet td{padding:.32rem .55rem;border-top:1px solid #dccfa8}
.sheet .num{text-align:right;width:1%;white-space:nowrap}
.sheet .date{white-space:nowrap}
.sheet td.date{color:#5a4a2a}
.sheet td.name{white-space:pre;font-weight:700;overflow-wrap:anywhere}
.sheet tr.mine td{color:#6a0000;font-weight:900;background:linear-gradient(#fffbe0,#ffe066 45%,#f0b020);
border-top:2px solid #3d2404;border-bottom:2px solid #3d2404}
.sheet tr.gap td{text-align:center;color:#8a7a50}
.panel{display:block;margin:0 0 1rem;padding:1rem 1.2rem;background:#001e00;border:2px solid #c9a227;
border-radius:.4rem;box-shadow:0 4px 12px rgba(0,0,0,.55)}
.panel h2{margin:0 0 .5rem;color:#f2c94c;font-size:1.35rem}
.note{margin:1rem 0 0;color:#a9d49a;font-size:.9rem}
.play{margin:1.2rem 0 0;text-align:center}
@media (max-width:28rem){body{font-size:15px}.sheet th,.sheet td{padding:.3rem .35rem}.die{width:2.6rem;height:2.6rem}}
CSS;
}
