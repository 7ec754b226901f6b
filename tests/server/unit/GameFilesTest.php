<?php
// The browser game's files in-process: the encoding a request's Accept-Encoding chooses, the
// cache header by name, revalidation, and the paths that are never answered with a file.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later

declare(strict_types=1);

use PHPUnit\Framework\TestCase;
use SixDice\Server\Config;
use SixDice\Server\GameFiles;

final class GameFilesTest extends TestCase
{
    private string $folder;

    protected function setUp(): void
    {
        $this->folder = sys_get_temp_dir() . '/sixdice-gamefiles-' . bin2hex(random_bytes(6));
        mkdir($this->folder . '/hudba', 0755, true);
        file_put_contents($this->folder . '/index.html', '<!DOCTYPE html><title>x</title>');
        file_put_contents($this->folder . '/index.html.gz', 'gz');
        file_put_contents($this->folder . '/sixdice.0123456789abcdef.wasm', "\0asm");
        file_put_contents($this->folder . '/sixdice.0123456789abcdef.wasm.br', 'br');
        file_put_contents($this->folder . '/hudba/menu.fedcba9876543210.ogg', 'OggS');
        file_put_contents(dirname($this->folder) . '/outside.txt', 'secret');
        symlink(dirname($this->folder) . '/outside.txt', $this->folder . '/link.txt');
    }

    protected function tearDown(): void
    {
        exec('rm -rf ' . escapeshellarg($this->folder));
    }

    public function testEncodingIsBrotliWhenAcceptedElseGzipAsNginxChooses(): void
    {
        $both = ['br', 'gzip'];
        $this->assertSame('br', GameFiles::chooseEncoding('gzip, deflate, br', $both));
        $this->assertSame('br', GameFiles::chooseEncoding('BR;q=1.0, GZIP', $both));
        $this->assertSame('br', GameFiles::chooseEncoding('br;q=0.5, gzip', $both));
        $this->assertSame('gzip', GameFiles::chooseEncoding('br;q=0, gzip;q=0.001', $both));
        $this->assertSame('gzip', GameFiles::chooseEncoding('gzip , br ; q=0', $both));
        $this->assertSame('br', GameFiles::chooseEncoding('gzip;q=0, br', $both));
        $this->assertNull(GameFiles::chooseEncoding('br;q=0, gzip;q=0.000', $both));
        $this->assertNull(GameFiles::chooseEncoding('*', $both));
        $this->assertNull(GameFiles::chooseEncoding('', $both));
        $this->assertNull(GameFiles::chooseEncoding('identity', $both));
        $this->assertNull(GameFiles::chooseEncoding('br', ['gzip']));
        $this->assertSame('gzip', GameFiles::chooseEncoding('br, gzip', ['gzip']));
    }

    public function testHashedNamesAreKeptForAYearThePageIsRevalidated(): void
    {
        $files = new GameFiles($this->folder);
        $page = $files->answer('GET', '/play/', ['accept-encoding' => 'gzip, br']);
        $this->assertSame(200, $page->status);
        $this->assertSame('no-cache', $page->headers['Cache-Control']);
        $this->assertSame('gzip', $page->headers['Content-Encoding']);
        $this->assertSame('gz', $page->body);
        $wasm = $files->answer('GET', '/play/sixdice.0123456789abcdef.wasm', ['accept-encoding' => 'gzip, br']);
        $this->assertSame([200, 'application/wasm', 'br', 'Accept-Encoding', GameFiles::CACHE_HASHED],
            [$wasm->status, $wasm->headers['Content-Type'], $wasm->headers['Content-Encoding'],
             $wasm->headers['Vary'], $wasm->headers['Cache-Control']]);
        $music = $files->answer('GET', '/play/hudba/menu.fedcba9876543210.ogg', ['accept-encoding' => 'br']);
        $this->assertSame('OggS', $music->body);
        $this->assertArrayNotHasKey('Content-Encoding', $music->headers);
        $this->assertArrayNotHasKey('Vary', $music->headers);

        $again = $files->answer('GET', '/play/', ['accept-encoding' => 'gzip', 'if-none-match' => $page->headers['ETag']]);
        $this->assertSame(304, $again->status);
        $this->assertSame('', $again->body);
        // Another encoding is another representation: no 304 for the plain page on gzip's tag.
        $plain = $files->answer('GET', '/play/', ['if-none-match' => $page->headers['ETag']]);
        $this->assertSame(200, $plain->status);
        $head = $files->answer('HEAD', '/play/index.html', []);
        $this->assertSame([200, ''], [$head->status, $head->body]);
        $this->assertSame((string) filesize($this->folder . '/index.html'), $head->headers['Content-Length']);
    }

    public function testOnlyTheFoldersOwnFilesAreServed(): void
    {
        $files = new GameFiles($this->folder);
        foreach (['/play/sixdice.0123456789abcdef.wasm.br', '/play/index.html.gz', '/play/../outside.txt',
                  '/play/link.txt', '/play/hudba', '/play/hudba/', '/play/.', '/play//index.html',
                  '/play/missing.js', "/play/index.html\0.js", '/play/hudba\\..\\index.html'] as $path) {
            $this->assertSame(404, $files->answer('GET', $path, [])->status, $path);
        }
        $this->assertSame(405, $files->answer('POST', '/play/', [])->status);
        $this->assertSame([301, '/play/'], [($r = $files->answer('GET', '/play', []))->status, $r->headers['Location']]);
        $this->assertSame(404, (new GameFiles(null))->answer('GET', '/play/', [])->status);
        $this->assertSame(404, (new GameFiles($this->folder . '/none'))->answer('GET', '/play/', [])->status);
    }

    public function testTheGameCountsAsInstalledWhenItsFolderHoldsThePage(): void
    {
        $this->assertTrue((new GameFiles($this->folder))->installed());
        $this->assertFalse((new GameFiles($this->folder . '/hudba'))->installed());
        $this->assertFalse((new GameFiles(null))->installed());
        $config = Config::fromSettings(['data_dir' => '/tmp', 'game_dir' => $this->folder . '/']);
        $this->assertSame($this->folder, $config->gameDir);
        $this->assertNull(Config::fromSettings(['data_dir' => '/tmp'])->gameDir);
    }
}
