<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Die Datei existiert nicht oder ist nicht zugänglich.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>Die Datei ist möglicherweise beschädigt oder kein gültiges PDF.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>Das Dokument ist verschlüsselt.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>Diese PDF-Verschlüsselungsmethode wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>Beim Öffnen des Dokuments ist ein Problem aufgetreten.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>Seite %1 konnte nicht gerendert werden; der Export wurde abgebrochen.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>Die Ausgabedatei kann nicht erstellt werden: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Am Text verankert, nach einem Neuumbruch neu positionierbar</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Rechteck als Ersatz: Die Position kann sich nach einem Neuumbruch verschieben</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Hervorhebung</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Unterstreichung</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Durchstreichung</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Anmerkung löschen</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Notiztext (optional, jeder Typ kann eine Notiz haben)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>Diese Anmerkung löschen?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Anmerkungsmodus aktiv: Über Text ziehen oder einen Rahmen aufziehen, um anzumerken; eine Anmerkung anklicken, um sie zu bearbeiten</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Anmerkungen gespeichert</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>Anmerkungen werden in einer lokalen Begleitdatei (.dovrixmark) gespeichert
und sind in anderen Readern wie Adobe in der Quelldatei nicht sichtbar.

Dovrix verändert das Quell-PDF nie.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>Anmerkungen werden nur in einer lokalen .dovrixmark-Datei gespeichert; in anderen Readern wie Adobe sind sie in der Quelldatei nicht sichtbar.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · Seite %2 · Farbe %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>Noch keine Anmerkungen. Aktivieren Sie den Anmerkungsmodus und ziehen Sie über Text, um eine zu erstellen.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>Meine Anmerkungen</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>Im Dokument (%1, schreibgeschützt)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>In meine Notizen kopieren</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Anmerkungen dieser Art lassen sich nicht in meine Notizen kopieren.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>Diese Anmerkung konnte nicht vollständig gelesen werden. Sie bleibt unverändert in der Anmerkungsdatei und kann nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>unlesbare Anmerkung</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>Die Anmerkungsdatei existiert, kann aber nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>Der Ordner ist nicht beschreibbar. Anmerkungen bleiben im Speicher; exportieren Sie sie vor dem Schließen.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>Der Exportpfad ist die Quelldatei. Abgebrochen, da die Quelldatei nie geschrieben wird.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>Der Exportpfad ist die Anmerkungsdatei. Abgebrochen.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Dovrix-Anmerkungsübersicht (insgesamt %1)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— Seite %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>Am Text verankert </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(Position p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Hinweis: Anmerkungen werden nur in einer lokalen Begleitdatei gespeichert; in anderen Readern wie Adobe sind sie in der Quelldatei nicht sichtbar.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>Die Anmerkungsdatei ist die Quelldatei selbst und wird nicht geschrieben. Anmerkungen bleiben im Speicher; exportieren Sie sie vor dem Schließen.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>An der Stelle der Anmerkungsdatei liegt ein Ordner. Anmerkungen bleiben im Speicher; exportieren Sie sie vor dem Schließen.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>Die unlesbare Anmerkungsdatei kann nicht gesichert werden; das Speichern wurde angehalten, damit sie nicht überschrieben wird. Anmerkungen bleiben im Speicher; exportieren Sie sie vor dem Schließen.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Speichern der Anmerkungen fehlgeschlagen: %1. Anmerkungen bleiben im Speicher; exportieren Sie sie vor dem Schließen.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>Der Dateiname enthält Zeichen, die nicht erkannt werden können; daneben kann keine Anmerkungsdatei gespeichert werden. Anmerkungen bleiben im Speicher; exportieren Sie sie vor dem Schließen.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>Diese Anmerkungsdatei wurde von einer neueren Dovrix-Version geschrieben. Sie ist schreibgeschützt geöffnet: Änderungen werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>Noch keine Lesezeichen. Strg+D setzt ein Lesezeichen an der aktuellen Stelle.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>Dieses Dokument hat kein eingebettetes Inhaltsverzeichnis (Kapitel/Lesezeichen).
Die Leseposition wird trotzdem automatisch gespeichert.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Textfeld</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Wellenlinie</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Freihandzeichnung</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Linienzug</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>Einfügezeichen</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>Dateianhang</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>Das Öffnen der Datei hat zu lange gedauert.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 Byte)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Gemischt (%1 Formate)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Kopie speichern…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Dokumenteigenschaften — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>Alle Seiten</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Eingebettet</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Anhänge werden nur als Kopie gespeichert; Dovrix öffnet oder startet sie nie.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Anhänge</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Erstellt mit</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>PDF-Erzeuger</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>PDF-Version</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Seitengröße</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>Text kopieren</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Kommentieren</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>Formulare ausfüllen</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Angegebene Berechtigungen</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>Erlaubt: %1
Nicht erlaubt: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Getaggt</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Skripte</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>Das Dokument enthält JavaScript; Dovrix führt es nicht aus.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Anhänge (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Kopie des Anhangs speichern</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>Der Anhang ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Kopie gespeichert:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>Der Anhang konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>Neues Dokument</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Export abgeschlossen</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Exportiert nach:
%1

Die Quelldatei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Aktuelle Seite als PNG exportieren</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>Die Seite konnte nicht gerendert werden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Gesamten Text exportieren (Lesereihenfolge)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Anmerkungsübersicht</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>Dieses Dokument hat keine Anmerkungen.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Anmerkungsübersicht exportieren</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>PDF mit Anmerkungen exportieren</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>PDF mit Anmerkungen wird exportiert…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Exportiert nach:
%1

Die Quelldatei wurde nicht verändert. Die Anmerkungen sind in die Kopie eingebettet und in Adobe, WPS oder einem Browser sichtbar.
(Die Kopie ist ein seitenweise gerendertes, flaches PDF: Sie sieht gleich aus, aber ihr Text ist nicht mehr auswählbar.)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>%1 Seite(n) an den Drucker gesendet.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>Eine Seite konnte nicht gerendert werden; der Druck wurde abgebrochen.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Der Druckauftrag kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Text wird in Lesereihenfolge exportiert…
Seite %1 von %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Flache Kopie (Bilder) exportieren</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Anmerkungen und Skalierung</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>Mit Anmerkungen</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>An Papier anpassen</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Exportiert nach:
%1

Die Quelldatei wurde nicht verändert. Die Anmerkungen stehen als normale PDF-Anmerkungen in der Kopie und sind auch in anderen Programmen sichtbar; Text, Links und Gliederung bleiben erhalten.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>Der Druckdienst hat den Auftrag nicht angenommen: %1
Es ging nichts verloren; versuchen Sie es erneut oder drucken Sie in eine Datei.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>Die Quelldatei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>%1 kann nicht geschrieben werden:
%2

Es blieb keine unvollständige Datei zurück; die Quelldatei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>Kein Druckdienst (CUPS) gefunden.
Das Dokument stattdessen in eine PDF-Datei drucken?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>Unterschriftsfeld (nur Anzeige)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>Die Skripte dieses Formulars laufen nicht: Felder, die das Dokument berechnen oder formatieren würde, behalten Ihre Eingabe.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>Unterschriftsfelder werden nur angezeigt; Dovrix signiert keine Dokumente.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>Zurück (Ansichtsverlauf)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>Vorwärts (Ansichtsverlauf)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>PDF öffnen (ein Tab pro Dokument)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>Drucken (Strg+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>In eine neue Datei exportieren (die Quelldatei bleibt unverändert)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Aktuelle Seite als Bild (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Gesamter Text (TXT, in Lesereihenfolge)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Anmerkungsübersicht (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF mit Anmerkungen (Kopie)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Bettet die aktuellen Anmerkungen in ein neues PDF ein, sichtbar in Adobe/WPS; die Quelldatei bleibt unverändert</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Anmerken</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Anmerkungsmodus (A): Hervorhebung / Unterstreichung / Durchstreichung / Notiz / Rechteck / Pfeil</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>90° drehen</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Vorübergehend um 90° drehen (nur für diese Ansicht)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Dokument durchsuchen · Strg+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Mitternacht</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Sprache der Oberfläche wechseln</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Dovrix-Startseite öffnen</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Öffnen Sie ein PDF, um mit dem Lesen zu beginnen. Dovrix ist ein reiner Betrachter und verändert die Quelldatei nie.
Sie können mehrere Dokumente gleichzeitig öffnen, jedes in einem eigenen Tab.</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>PDF öffnen…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>Die Quelldatei wurde außerhalb von Dovrix geändert. Neu laden, um den aktuellen Inhalt anzuzeigen.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix, ein blitzschneller Reader</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>An Breite anpassen</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Zwischen Einzelseite und fortlaufendem Scrollen wechseln</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Dokument schließen</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Nächster Tab</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>Privater Modus</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>Nächster Treffer</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Vorheriger Treffer</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Markierten Text kopieren</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Einzelseitenmodus</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Vorübergehend um 90° drehen</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>An Seite anpassen</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Originalgröße (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Anmerkungsmodus</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>PDF öffnen</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>PDF-Dokumente (*.pdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Die Datei existiert nicht oder ist nicht zugänglich.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● Die Anmerkungen passen nicht zum Inhalt des Dokuments; Rechteckanker können sich verschieben</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Miniaturen</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Dokument wird geöffnet…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Falsches Passwort, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>Dieses Dokument ist verschlüsselt</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Passwort zum Öffnen eingeben (Dovrix kann keine Berechtigungen knacken oder entfernen):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● Quelldatei wurde extern geändert</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Schreibgeschützt: Hash der Quelldatei unverändert</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix verändert die Quelldatei nie.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Privater Modus: an</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Privater Modus: aus</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Privater Modus: Weder zuletzt geöffnete Dateien noch der Miniaturen-Cache werden gespeichert</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— Seite %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(Diese Seite ist ein gescanntes Bild ohne Textebene)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Ein Teil des Textes auf dieser Seite ist möglicherweise unzuverlässig)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Hervorhebung (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Unterstreichung (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>Durchstreichung (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>Notiz (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>Rechteck (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Pfeil (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Gehe zu Seite…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Seitenzahl oder Seitenbezeichnung eingeben und Eingabetaste drücken (Strg+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>Offline-OCR läuft…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>Offline-OCR läuft: %1/%2 Seiten fertig, noch etwa %3 s…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(Es folgt per OCR erkannter Text)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Vollbild · F11 oder Esc zum Verlassen</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Seitenfarben wechseln</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>Doppelseitenansicht</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>Erste Seite allein</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Doppelseite</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Zwei Seiten nebeneinander (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Seitenfarben</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Seitenfarben (Strg+Alt+N): Nacht kehrt Hell und Dunkel um und behält die Farbtöne</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Wie das Design</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>Der Dateiname enthält Zeichen, die nicht erkannt werden können; das Programm kann die Datei daher nicht lesen. Benennen Sie die Datei um und öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Flache Kopie (Bilder)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG mit meinen Anmerkungen</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Dokumenteigenschaften…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Formular zurücksetzen</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>Kein Webbrowser konnte die Seite öffnen. Die Dovrix-Startseite: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Text erkennen (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>Diese Seite</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>Alle Seiten ohne Text</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>Nach dem Öffnen eines Dokuments erscheinen hier
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>Zoom %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>OCR abgebrochen</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR abgeschlossen: %1 Seiten</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>OCR von Seite %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR nicht verfügbar</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Suche Seiten ohne Text…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>Jede Seite hat Text; nichts zu erkennen</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>Diese Seite hat keine Textebene · %1 erkennt ihren Text</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR von Seite %1 abgeschlossen: %2 Textzeilen erkannt</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>Seite konnte nicht gerendert werden</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>Initialisierung der OCR-Engine fehlgeschlagen</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>OCR-Engine nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>OCR-Initialisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>Erkennungsmodell für Textbereiche nicht gefunden: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>Texterkennungsmodell nicht gefunden: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>Dem Texterkennungsmodell fehlt das eingebettete Wörterbuch (Metadaten „character“).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>In onnxruntime.dll fehlt der Export OrtGetApiBase.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>onnxruntime-API-Version passt nicht (OrtApi v%1 erforderlich).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>onnxruntime.dll kann nicht geladen werden; OCR ist nicht verfügbar. Versucht:%1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Vorübergehend um %1° gedreht (nur für diese Ansicht)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>Es ist keine Sprachsynthese installiert (zum Beispiel das flite-Plugin von Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>Die Sprachsynthese kann nicht verwendet werden: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>Keine Ergebnisse. Ist das Dokument ein gescanntes Bild (ohne Textebene), können Sie nach einer OCR darin suchen und Text kopieren.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>OCR für dieses Dokument…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Suchbegriff eingeben (Strg+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>Keine Treffer für „%1“</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>Suche nach „%1“…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>Keine Treffer für „%1“.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(OCR-Text)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(Text noch nicht geladen)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Seite %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>„%1“: %n Treffer</numerusform>
            <numerusform>„%1“: %n Treffer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>Suche nach „%1“… %2 von %3 Seiten durchsucht, bisher %n Treffer</numerusform>
            <numerusform>Suche nach „%1“… %2 von %3 Seiten durchsucht, bisher %n Treffer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>Das laufende Dovrix-Fenster nimmt höchstens %1 Dateien auf einmal an; es wurde keine Datei geöffnet.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — ein reiner PDF-Betrachter: offline, ohne Telemetrie, ändert die Quelldatei nie.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>Die zu öffnende PDF-Datei.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>Den Text dieser Seite erkennen, sobald das Dokument geöffnet ist (zum Testen und für automatische Läufe).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Bei dieser Seite öffnen: eine Seitenzahl ab 1 oder die eigene Seitenbezeichnung des Dokuments (etwa iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>Nach dem Öffnen nach diesem Text suchen und zum ersten Treffer gehen.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>SyncTeX-Vorwärtssuche: zur Stelle blättern, an der diese Zeile der TeX-Quelle gesetzt wurde, und sie kurz markieren.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>Die Engine, die PDF-Dateien öffnet: mupdf (Standard) oder qtpdf (für Vergleiche und Fehlerberichte).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>Vorlesen beendet</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Lesezeichen, Vorlesen und SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Lesezeichen hinzufügen</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Lesezeichen umbenennen</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Lesezeichen löschen</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Ab dieser Seite vorlesen</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Vorlesen beenden</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Editorbefehl für die Rückwärtssuche…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>Kein Editorbefehl für die Rückwärtssuche festgelegt (Werkzeuge → Editorbefehl für die Rückwärtssuche…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>Die SyncTeX-Daten enthalten keine Stelle für Zeile %2 von %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>Neben diesem Dokument liegt keine SyncTeX-Datei (.synctex.gz oder .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>Die SyncTeX-Datei ist beschädigt und kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>Die SyncTeX-Datei stammt aus einem anderen Übersetzungslauf dieses PDFs; bitte neu übersetzen</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>Dieser Stelle entspricht keine Position im Quelltext</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>Der Editor kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>%1 in Zeile %2 im Editor geöffnet</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Editorbefehl für die Rückwärtssuche</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Befehl bei Strg+Klick auf eine Seite (%f Datei, %l Zeile, %c Spalte), zum Beispiel: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>Lesezeichen „%1“ hinzugefügt</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Name des Lesezeichens:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Vorlesen fortsetzen</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Vorlesen anhalten</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>Die SyncTeX-Datei ist entpackt größer als %1 MB; sie wurde ungelesen abgelehnt</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>Die SyncTeX-Datei hat ihr Leseprogramm abstürzen lassen oder dessen Speicher erschöpft; sie wurde abgelehnt</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>Das Lesen der SyncTeX-Datei dauerte zu lange; sie wurde abgelehnt</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>Der Quelldateiname in der SyncTeX-Datei enthält einen Zeilenumbruch oder ein NUL-Zeichen; er wurde nicht an den Editor übergeben</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Einige Zeichen können nicht zugeordnet werden (möglicherweise fehlt die ToUnicode-Tabelle)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>Wortabstände sind aus der Geometrie abgeleitet; der Text kann zerstückelt sein</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Kopf-/Fußzeilenbereich</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>%1 Zeichen kopiert</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>An Breite anpassen</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Fortlaufend</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Einzelseite</translation>
    </message>
</context>
</TS>
