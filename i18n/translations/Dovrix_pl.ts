<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Plik nie istnieje lub jest niedostępny.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>Plik może być uszkodzony lub nie jest prawidłowym plikiem PDF.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>Dokument jest zaszyfrowany.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>Ta metoda szyfrowania PDF nie jest jeszcze obsługiwana.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>Podczas otwierania dokumentu wystąpił problem.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>Nie udało się wyrenderować strony %1, eksport przerwano.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>Nie można utworzyć pliku wyjściowego: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Zakotwiczona w tekście, odnajdzie się po zmianie układu</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Kotwica prostokątna: po zmianie układu położenie może się przesunąć</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Wyróżnienie</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Podkreślenie</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Przekreślenie</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Prostokąt</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Strzałka</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Usuń adnotację</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Treść notatki (opcjonalnie, także dla innych typów)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>Czy na pewno usunąć tę adnotację?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Tryb adnotacji włączony: zaznacz tekst lub przeciągnij ramkę, aby dodać adnotację; kliknij istniejącą, aby ją edytować</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Adnotacje zapisane</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>Adnotacje są zapisywane w lokalnym pliku sidecar (.dovrixmark),
nie są widoczne po otwarciu pliku źródłowego w innych czytnikach, np. Adobe.

Dovrix nigdy nie zmienia źródłowego pliku PDF.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>Adnotacje są zapisywane tylko w lokalnym pliku .dovrixmark; nie są widoczne po otwarciu pliku źródłowego w innych czytnikach, np. Adobe.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Strona %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · strona %2 · kolor %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>Brak adnotacji. Włącz tryb adnotacji i zaznacz tekst, aby ją utworzyć.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>Moje adnotacje</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>W dokumencie (%1, tylko do odczytu)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>Kopiuj do moich notatek</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Adnotacji tego rodzaju nie można skopiować do moich notatek.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>Nie udało się odczytać całej adnotacji. Pozostaje w pliku adnotacji bez zmian i nie można jej edytować.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>nieczytelna adnotacja</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>Plik jest za duży</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>Plik adnotacji istnieje, ale nie można go odczytać: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>Bieżący katalog nie jest zapisywalny. Adnotacje są przechowywane w pamięci; wyeksportuj je przed zamknięciem.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>Ścieżka eksportu jest taka sama jak plik źródłowy. Przerwano, aby dotrzymać zasady „nigdy nie zapisuj pliku źródłowego”.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>Ścieżka eksportu jest taka sama jak plik adnotacji. Przerwano.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Zestawienie adnotacji Dovrix (łącznie: %1)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— Strona %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>Kotwica tekstowa </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(pozycja p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Uwaga: adnotacje są zapisywane tylko w lokalnym pliku sidecar; nie są widoczne po otwarciu pliku źródłowego w innych czytnikach, np. Adobe.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>Plik adnotacji jest samym plikiem źródłowym i nie jest zapisywany. Adnotacje są przechowywane w pamięci; wyeksportuj je przed zamknięciem.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>W miejscu pliku adnotacji znajduje się katalog. Adnotacje są przechowywane w pamięci; wyeksportuj je przed zamknięciem.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>Nie można zrobić kopii nieczytelnego pliku adnotacji, więc zapis wstrzymano, aby go nie nadpisać. Adnotacje są przechowywane w pamięci; wyeksportuj je przed zamknięciem.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Zapis adnotacji nie powiódł się: %1. Adnotacje są przechowywane w pamięci; wyeksportuj je przed zamknięciem.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>Nazwa pliku zawiera nierozpoznawalne znaki, dlatego obok niego nie można zapisać pliku adnotacji. Adnotacje są przechowywane w pamięci; wyeksportuj je przed zamknięciem.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>Ten plik adnotacji został zapisany przez nowszą wersję Dovrix. Jest otwarty tylko do odczytu: zmiany nie są zapisywane.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>Brak zakładek. Naciśnij Ctrl+D, aby dodać zakładkę w bieżącym miejscu.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Strona %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>Ten dokument nie ma wbudowanego spisu treści (rozdziałów/zakładek).
Postęp czytania i tak jest zapamiętywany automatycznie.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Pole tekstowe</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Falista linia</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Linia</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Elipsa</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Rysunek odręczny</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Wielokąt</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Łamana</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>Pieczątka</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>Znak wstawienia</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Strona %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>Załączony plik</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>Otwieranie pliku trwało zbyt długo.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 bajtów)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Różne (%1 rozmiary)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Zapisz kopię…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Właściwości dokumentu — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Kopiuj wszystko</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>Wszystkie strony</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Strona %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Czcionki</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Osadzona</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Załączniki są tylko zapisywane jako kopie; Dovrix nigdy ich nie otwiera ani nie uruchamia.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Załączniki</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Temat</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Słowa kluczowe</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Utworzono w</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>Producent PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Utworzono</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Zmodyfikowano</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>Wersja PDF</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Rozmiar strony</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Rozmiar pliku</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Szyfrowanie</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>drukowanie</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>kopiowanie tekstu</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>modyfikowanie</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>dodawanie adnotacji</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>wypełnianie formularzy</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Deklarowane uprawnienia</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>Dozwolone: %1
Niedozwolone: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Ze znacznikami</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Skrypty</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>Dokument zawiera JavaScript; Dovrix go nie uruchamia.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Załączniki (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Zapisz kopię załącznika</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>Załącznik jest uszkodzony i nie można go odczytać.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Zapisano kopię:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>Nie udało się zapisać załącznika: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>Nowy dokument</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Eksport zakończony</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Wyeksportowano do:
%1

Plik źródłowy nie został zmieniony.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Eksportuj bieżącą stronę do PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>Obrazy PNG (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Eksport nie powiódł się</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>Nie udało się wyrenderować strony, spróbuj ponownie.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Eksportuj pełny tekst (kolejność czytania)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Zestawienie adnotacji</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>Bieżący dokument nie ma jeszcze adnotacji.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Eksportuj zestawienie adnotacji</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>Eksportuj PDF z adnotacjami</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>Dokumenty PDF (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>Eksportowanie PDF z adnotacjami…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Wyeksportowano do:
%1

Plik źródłowy nie został zmieniony. Adnotacje osadzono w kopii; są widoczne w Adobe/WPS/przeglądarce.
(Kopia to spłaszczony PDF renderowany strona po stronie: wygląda tak samo, ale tekstu nie można już zaznaczać)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Drukowanie…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>Wysłano do drukarki stron: %1.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>Nie udało się wyrenderować strony, drukowanie przerwano.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Nie można rozpocząć zadania drukowania.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Eksportowanie tekstu w kolejności czytania…
Strona %1 z %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Eksportuj spłaszczoną kopię (obrazy)</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>Drukuj do pliku PDF</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Adnotacje i skalowanie</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>Z adnotacjami</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>Dopasuj do papieru</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Wyeksportowano do:
%1

Plik źródłowy nie został zmieniony. Adnotacje są w kopii jako standardowe adnotacje PDF, widoczne także w innych czytnikach; tekst, łącza i spis treści zostały zachowane.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>Usługa drukowania nie przyjęła zadania: %1
Nic nie zostało utracone; spróbuj ponownie lub drukuj do pliku.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>Nie można odczytać pliku źródłowego: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>Nie można zapisać %1:
%2

Nie pozostał żaden niepełny plik; plik źródłowy nie został zmieniony.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>Nie znaleziono usługi drukowania (CUPS).
Wydrukować dokument do pliku PDF?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>Pole podpisu (tylko wyświetlane)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>Skrypty tego formularza nie są uruchamiane: pola, które dokument by obliczył lub sformatował, zachowują to, co wpisano.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>Pola podpisu są tylko wyświetlane; Dovrix nie podpisuje dokumentów.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>Panel boczny</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>Wstecz (historia widoku)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>Naprzód (historia widoku)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>Otwórz PDF (każdy dokument w osobnej karcie)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>Drukuj (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>Eksportuj do nowego pliku (plik źródłowy pozostaje bez zmian)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Bieżąca strona jako obraz (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Pełny tekst (TXT, w kolejności czytania)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Zestawienie adnotacji (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF z adnotacjami (kopia)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Osadza bieżące adnotacje w nowym pliku PDF, widocznym w Adobe/WPS; plik źródłowy pozostaje bez zmian</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Adnotacje</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Tryb adnotacji (A): wyróżnienie / podkreślenie / przekreślenie / notatka / prostokąt / strzałka</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>Obróć o 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Tymczasowy obrót o 90° (tylko w tym widoku)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Szukaj w dokumencie · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Północ</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>Wysoki kontrast</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Zmień język interfejsu</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Strona domowa</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Otwórz stronę domową Dovrix</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Otwórz plik PDF, aby zacząć czytać. Dovrix to przeglądarka tylko do odczytu – nie zmienia pliku źródłowego.
Można otworzyć wiele dokumentów naraz (w kartach).</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>Otwórz PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Ostatnie pliki</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Wyczyść listę ostatnich</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>Plik źródłowy został zmieniony poza programem. Wczytaj go ponownie, aby zobaczyć najnowszą treść.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Wczytaj ponownie</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignoruj</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix — błyskawicznie szybki czytnik</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Dopasuj do szerokości</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Przełącz: jedna strona / przewijanie ciągłe</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;Otwórz…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Zamknij dokument</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Następna karta</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>Tryb prywatny</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>Następny wynik wyszukiwania</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Poprzedni wynik wyszukiwania</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Kopiuj zaznaczony tekst</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Tryb jednej strony</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Tymczasowy obrót o 90°</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>Dopasuj do strony</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Rzeczywisty rozmiar (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Tryb adnotacji</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>Otwórz PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>Dokumenty PDF (*.pdf);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Nie udało się otworzyć</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Plik nie istnieje lub jest niedostępny.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● Adnotacje nie pasują do bieżącej treści dokumentu, kotwice prostokątne mogą się przesunąć</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Miniatury</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Wyszukiwanie</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Otwieranie dokumentu…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Nieprawidłowe hasło, spróbuj ponownie</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>Ten dokument jest zaszyfrowany</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Wprowadź hasło otwarcia (Dovrix nie łamie ani nie usuwa zabezpieczeń):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● Plik źródłowy został zmieniony z zewnątrz</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Tylko do odczytu: skrót pliku źródłowego bez zmian</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix nie zmienia pliku źródłowego.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Tryb prywatny: wł.</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Tryb prywatny: wył.</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Tryb prywatny: bez zapisu do listy ostatnich plików i pamięci podręcznej miniatur</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— Strona %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(Ta strona jest skanem, bez warstwy tekstowej)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Część tekstu na tej stronie może być niewiarygodna)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Wyróżnienie (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Podkreślenie (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>Przekreślenie (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>Notatka (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>Prostokąt (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Strzałka (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Przejdź do strony…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Wpisz numer lub etykietę strony i naciśnij Enter (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>Trwa OCR offline…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>Trwa OCR offline: gotowe %1/%2 stron, pozostało około %3 s…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(Poniżej tekst rozpoznany przez OCR)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Pełny ekran · F11 lub Esc, aby wyjść</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Przełącz kolory stron</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>Widok dwóch stron</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>Pierwsza strona osobno</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Dwie strony</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Dwie strony obok siebie (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Kolory stron</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Kolory stron (Ctrl+Alt+N): tryb nocny odwraca jasne i ciemne, zachowując odcienie</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normalne</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Nocny</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Według motywu</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>Nazwa pliku zawiera nierozpoznawalne znaki, dlatego program nie może odczytać pliku. Zmień nazwę pliku i otwórz go ponownie.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Spłaszczona kopia (obrazy)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG z moimi adnotacjami</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Właściwości dokumentu…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Resetuj formularz</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Zakładki</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>Żadna przeglądarka nie mogła otworzyć strony. Strona Dovrix: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Rozpoznaj tekst (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>Ta strona</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>Wszystkie strony bez tekstu</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>Po otwarciu dokumentu pojawią się tu
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>Powiększenie %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>OCR anulowany</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR zakończony: %1 str.</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>OCR strony %1 nie powiódł się: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR niedostępny</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Szukanie stron bez tekstu…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>Każda strona ma tekst; nie ma czego rozpoznawać</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>Ta strona nie ma warstwy tekstu · %1 rozpoznaje jej tekst</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR strony %1 zakończony: rozpoznane wiersze tekstu: %2</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>Nie udało się wyrenderować strony</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>Inicjalizacja silnika OCR nie powiodła się</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>Silnik OCR jest niedostępny</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>Inicjalizacja OCR nie powiodła się: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>Nie znaleziono modelu wykrywania: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>Nie znaleziono modelu rozpoznawania: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>Model rozpoznawania nie zawiera wbudowanego słownika (metadane character).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>W onnxruntime.dll brakuje eksportu OrtGetApiBase.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>Niezgodna wersja API onnxruntime (wymagane OrtApi v%1).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>Nie można wczytać onnxruntime.dll, OCR jest niedostępny. Próbowano: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Tymczasowy obrót o %1° (tylko w tym widoku)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>Nie zainstalowano syntezatora mowy (na przykład wtyczki flite dla Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>Nie można użyć syntezatora mowy: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>Nie znaleziono wyników. Jeśli dokument jest skanem (bez warstwy tekstowej), po wykonaniu OCR można go przeszukiwać i kopiować.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>OCR tego dokumentu…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Wpisz słowo kluczowe, aby wyszukać (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>„%1”: brak trafień</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>Wyszukiwanie „%1”…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>„%1”: brak trafień.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Strona %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(tekst OCR)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(tekst jeszcze niewczytany)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Strona %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>„%1”: %n trafienie</numerusform>
            <numerusform>„%1”: %n trafienia</numerusform>
            <numerusform>„%1”: %n trafień</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>Wyszukiwanie „%1”… przeszukano %2 z %3 stron, dotąd %n trafienie</numerusform>
            <numerusform>Wyszukiwanie „%1”… przeszukano %2 z %3 stron, dotąd %n trafienia</numerusform>
            <numerusform>Wyszukiwanie „%1”… przeszukano %2 z %3 stron, dotąd %n trafień</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>Uruchomione okno Dovrix przyjmuje naraz najwyżej %1 plików; nie otwarto żadnego pliku.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — przeglądarka PDF tylko do odczytu: offline, bez telemetrii, nigdy nie zmienia pliku źródłowego.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>Plik PDF do otwarcia.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>Rozpoznaj tekst tej strony zaraz po otwarciu dokumentu (do debugowania i uruchomień automatycznych).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Otwórz na tej stronie: numer strony liczony od 1 lub własna etykieta strony dokumentu (np. iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>Po otwarciu wyszukaj ten tekst i przejdź do pierwszego wyniku.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>Wyszukiwanie SyncTeX w przód: przewiń do miejsca, w którym złożono ten wiersz źródła TeX, i krótko je zaznacz.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>Silnik otwierający pliki PDF: mupdf (domyślny) lub qtpdf (do porównań i zgłoszeń błędów).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normalnie</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Szybko</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>Zakończono czytanie na głos</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Zakładki, czytanie na głos i SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Zakładki</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Dodaj zakładkę</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Zmień nazwę zakładki</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Usuń zakładkę</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Czytanie na głos</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Czytaj na głos od tej strony</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Zatrzymaj czytanie</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Głos</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Polecenie edytora dla wyszukiwania odwrotnego…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>Nie ustawiono polecenia edytora dla wyszukiwania odwrotnego (Narzędzia → Polecenie edytora dla wyszukiwania odwrotnego…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>Dane SyncTeX nie zawierają miejsca dla wiersza %2 pliku %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>Obok tego dokumentu nie ma pliku SyncTeX (.synctex.gz lub .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>Plik SyncTeX jest uszkodzony i nie można go odczytać</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>Plik SyncTeX pochodzi z innej kompilacji tego PDF; skompiluj ponownie</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>Temu miejscu nie odpowiada żadne miejsce w źródle</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>Nie można uruchomić edytora: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>Otwarto %1 w wierszu %2 w edytorze</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Polecenie edytora dla wyszukiwania odwrotnego</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Polecenie uruchamiane po Ctrl+kliknięciu strony (%f plik, %l wiersz, %c kolumna), na przykład: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Strona %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>Dodano zakładkę „%1”</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Nazwa zakładki:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Wznów czytanie</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Wstrzymaj czytanie</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>Plik SyncTeX po rozpakowaniu przekracza %1 MB; odrzucono go bez czytania</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>Plik SyncTeX spowodował awarię czytnika lub wyczerpał jego pamięć; odrzucono go</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>Odczyt pliku SyncTeX trwał zbyt długo; odrzucono go</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>Nazwa pliku źródłowego w pliku SyncTeX zawiera znak nowego wiersza lub NUL; nie przekazano jej do edytora</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Zawiera znaki, których nie da się odwzorować (możliwy brak tabeli ToUnicode)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>Odstępy między słowami wywnioskowano z geometrii, tekst może być pofragmentowany</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Obszar nagłówka/stopki</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>Skopiowano znaki: %1</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Oryginał</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Dopasuj do szerokości</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Ciągły</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Jedna strona</translation>
    </message>
</context>
</TS>
