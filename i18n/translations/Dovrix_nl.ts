<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Het bestand bestaat niet of is niet toegankelijk.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>Het bestand is mogelijk beschadigd of geen geldige PDF.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>Het document is versleuteld.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>Deze PDF-versleutelingsmethode wordt nog niet ondersteund.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>Er is een probleem opgetreden bij het openen van het document.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>Pagina %1 kon niet worden weergegeven; exporteren afgebroken.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>Kan uitvoerbestand niet maken: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Aan tekst verankerd, na herschikking terug te vinden</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Aan rechthoek verankerd: kan na herschikking verschuiven</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Markering</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Onderstreping</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Doorhaling</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Pijl</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Annotatie verwijderen</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Notitietekst (optioneel, ook bij andere typen)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>Deze annotatie verwijderen?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Annotatiemodus aan: sleep over tekst of trek een kader om een annotatie te maken, klik op een bestaande om te bewerken</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Annotaties opgeslagen</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>Annotaties worden bewaard in een lokaal sidecar-bestand (.dovrixmark)
en zijn niet zichtbaar als u het bronbestand in Adobe of een andere lezer opent.

Dovrix wijzigt de bron-PDF nooit.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>Annotaties worden alleen in een lokaal .dovrixmark-bestand bewaard en zijn niet zichtbaar als u het bronbestand in Adobe of een andere lezer opent.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · pagina %2 · kleur %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>Nog geen annotaties. Zet de annotatiemodus aan en sleep over tekst om er een te maken.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>‘%1’</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>Mijn aantekeningen</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>In het document (%1, alleen-lezen)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>Naar mijn notities kopiëren</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Aantekeningen van deze soort kunnen niet naar mijn notities worden gekopieerd.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>Deze annotatie kon niet volledig worden gelezen. Ze blijft ongewijzigd in het annotatiebestand en kan niet worden bewerkt.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>onleesbare annotatie</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>Bestand te groot</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>Het annotatiebestand bestaat maar kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>De huidige map is niet beschrijfbaar. Annotaties blijven alleen in het geheugen; exporteer ze voordat u sluit.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>Het exportpad is gelijk aan het bronbestand. Afgebroken: het bronbestand wordt nooit overschreven.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>Het exportpad is gelijk aan het annotatiebestand; afgebroken.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Dovrix-annotatieoverzicht (totaal: %1)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— Pagina %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>aan tekst verankerd </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(positie p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Let op: annotaties worden alleen in een lokaal sidecar-bestand bewaard en zijn niet zichtbaar als u het bronbestand in Adobe of een andere lezer opent.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>Het annotatiebestand is het bronbestand zelf en wordt niet geschreven. Annotaties blijven alleen in het geheugen; exporteer ze voordat u sluit.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>Op de plek van het annotatiebestand staat een map. Annotaties blijven alleen in het geheugen; exporteer ze voordat u sluit.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>Het onleesbare annotatiebestand kan niet worden geback-upt; opslaan is gestopt om het niet te overschrijven. Annotaties blijven alleen in het geheugen; exporteer ze voordat u sluit.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Annotaties opslaan mislukt: %1. Annotaties blijven alleen in het geheugen; exporteer ze voordat u sluit.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>‘%1’</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>De bestandsnaam bevat tekens die niet herkend kunnen worden, daarom kan er geen annotatiebestand naast worden opgeslagen. Annotaties blijven alleen in het geheugen; exporteer ze voordat u sluit.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>Dit annotatiebestand is geschreven door een nieuwere versie van Dovrix. Het is alleen-lezen geopend: wijzigingen worden niet opgeslagen.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>Nog geen bladwijzers. Druk op Ctrl+D om de huidige plek te markeren.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Pagina %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>Dit document heeft geen ingebouwde inhoudsopgave (hoofdstukken/bladwijzers).
De leesvoortgang wordt toch automatisch onthouden.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Tekstvak</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Golvende lijn</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Lijn</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Ellips</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Tekening uit de vrije hand</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Veelhoek</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Polylijn</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>Invoegteken</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>Bestandsbijlage</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>Het openen van het bestand duurde te lang.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Gemengd (%1 formaten)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Kopie opslaan…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Documenteigenschappen — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Alles kopiëren</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>Alle pagina&apos;s</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Lettertypen</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Ingesloten</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Bijlagen worden alleen als kopie opgeslagen; Dovrix opent of start ze nooit.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Bijlagen</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Onderwerp</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Trefwoorden</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Gemaakt met</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>PDF-producent</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Gemaakt</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Gewijzigd</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>PDF-versie</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Paginaformaat</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Bestandsgrootte</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Versleuteling</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>afdrukken</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>tekst kopiëren</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>wijzigen</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>aantekeningen maken</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>formulieren invullen</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Opgegeven rechten</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>Toegestaan: %1
Niet toegestaan: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Getagd</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Scripts</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>Het document bevat JavaScript; Dovrix voert het niet uit.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Bijlagen (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Kopie van de bijlage opslaan</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>De bijlage is beschadigd en kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Kopie opgeslagen:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>De bijlage kon niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>Nieuw document</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Exporteren voltooid</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Geëxporteerd naar:
%1

Het bronbestand is niet gewijzigd.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Huidige pagina exporteren als PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG-afbeeldingen (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Exporteren mislukt</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>De pagina kon niet worden weergegeven. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Volledige tekst exporteren (leesvolgorde)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Tekstbestanden (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Annotatieoverzicht</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>Het huidige document heeft geen annotaties.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Annotatieoverzicht exporteren</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>PDF met annotaties exporteren</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>PDF-documenten (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>PDF met annotaties wordt geëxporteerd…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Geëxporteerd naar:
%1

Het bronbestand is niet gewijzigd. De annotaties zijn in de kopie opgenomen en zichtbaar in Adobe/WPS/een browser.
(De kopie is een platte PDF, pagina voor pagina weergegeven: hetzelfde uiterlijk, maar de tekst is niet meer selecteerbaar)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Bezig met afdrukken…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>%1 pagina(&apos;s) naar de printer verzonden.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>Een pagina kon niet worden weergegeven; afdrukken afgebroken.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Kan de afdruktaak niet starten.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Tekst wordt in leesvolgorde geëxporteerd…
Pagina %1 van %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Een platte kopie (afbeeldingen) exporteren</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>Afdrukken naar een PDF-bestand</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Aantekeningen en schaal</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>Met aantekeningen</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>Passend op papier</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Werkelijke grootte</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Geëxporteerd naar:
%1

Het bronbestand is niet gewijzigd. De aantekeningen staan als standaard PDF-aantekeningen in de kopie en zijn ook in andere lezers zichtbaar; tekst, koppelingen en inhoudsopgave blijven behouden.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>De afdrukdienst heeft de taak niet aangenomen: %1
Er is niets verloren; probeer het opnieuw of druk af naar een bestand.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>Kan het bronbestand niet lezen: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>Kan %1 niet schrijven:
%2

Er is geen onvolledig bestand achtergebleven; het bronbestand is niet gewijzigd.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>Geen afdrukdienst (CUPS) gevonden.
Het document in plaats daarvan naar een PDF-bestand afdrukken?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>Handtekeningveld (alleen weergave)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>De scripts van dit formulier worden niet uitgevoerd: velden die het document zou berekenen of opmaken, behouden wat u typte.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>Handtekeningvelden worden alleen getoond; Dovrix ondertekent geen documenten.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>Zijbalk</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>Terug (weergavegeschiedenis)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>Vooruit (weergavegeschiedenis)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>PDF openen (één tabblad per document)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>Afdrukken (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>Exporteren naar een nieuw bestand (bronbestand blijft ongewijzigd)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Huidige pagina als afbeelding (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Volledige tekst (TXT, in leesvolgorde)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Annotatieoverzicht (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF met annotaties (kopie)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Neemt de huidige annotaties op in een nieuwe PDF, zichtbaar in Adobe/WPS; het bronbestand blijft ongewijzigd</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Annotaties</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Annotatiemodus (A): markering / onderstreping / doorhaling / notitie / rechthoek / pijl</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>90° draaien</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Tijdelijk 90° draaien (alleen voor deze weergave)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Zoeken in document · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Middernacht</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>Hoog contrast</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Interfacetaal wijzigen</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Website van Dovrix openen</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Open een PDF om te beginnen met lezen. Dovrix is een alleen-lezenviewer en wijzigt het bronbestand niet.
U kunt meerdere documenten tegelijk openen (in tabbladen).</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>PDF openen…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Recente bestanden</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Recente bestanden wissen</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>Het bronbestand is extern gewijzigd. Laad het opnieuw om de nieuwste inhoud te zien.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Opnieuw laden</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Negeren</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix — een bliksemsnelle lezer</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Aan breedte aanpassen</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Wisselen tussen enkele pagina / doorlopend scrollen</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Document sluiten</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Volgend tabblad</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;Afdrukken…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>Privémodus</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>Volgend zoekresultaat</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Vorig zoekresultaat</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Geselecteerde tekst kopiëren</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Modus enkele pagina</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Tijdelijk 90° draaien</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>Aan pagina aanpassen</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Werkelijke grootte (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Annotatiemodus</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>PDF openen</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>PDF-documenten (*.pdf);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Openen mislukt</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Het bestand bestaat niet of is niet toegankelijk.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● Annotaties komen niet overeen met de huidige inhoud; aan rechthoeken verankerde kunnen verschuiven</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Miniaturen</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Document wordt geopend…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Onjuist wachtwoord, probeer het opnieuw</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>Dit document is versleuteld</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Voer het wachtwoord in om te openen (Dovrix kraakt geen beveiliging en verwijdert geen rechten):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● Bronbestand extern gewijzigd</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Alleen-lezen: hash van bronbestand ongewijzigd</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix wijzigt het bronbestand niet.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Privémodus: aan</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Privémodus: uit</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Privémodus: recente bestanden en miniaturencache worden niet opgeslagen</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— Pagina %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(Deze pagina is een gescande afbeelding zonder tekstlaag)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Een deel van de tekst op deze pagina is mogelijk onbetrouwbaar)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Markering (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Onderstreping (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>Doorhaling (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>Notitie (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>Rechthoek (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Pijl (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Ga naar pagina…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Typ een paginanummer of paginalabel en druk op Enter (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>Offline OCR bezig…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>Offline OCR bezig: %1/%2 pagina&apos;s klaar, nog ongeveer %3 s…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(Hierna volgt door OCR herkende tekst)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Volledig scherm · F11 of Esc om te verlaten</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Paginakleuren wisselen</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>Weergave met twee pagina&apos;s</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>Eerste pagina apart</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Twee pagina&apos;s</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Twee pagina&apos;s naast elkaar (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Paginakleuren</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Paginakleuren (Ctrl+Alt+N): nacht keert licht en donker om en behoudt de tinten</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normaal</translation>
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
        <translation>Thema volgen</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>De bestandsnaam bevat tekens die niet herkend kunnen worden, daarom kan het programma het bestand niet lezen. Geef het bestand een andere naam en open het opnieuw.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Platte kopie (afbeeldingen)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG met mijn aantekeningen</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Documenteigenschappen…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Formulier herstellen</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Bladwijzers</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>Geen webbrowser kon de pagina openen. De Dovrix-startpagina: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Tekst herkennen (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>Deze pagina</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>Alle pagina’s zonder tekst</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>Na het openen van een document verschijnen hier
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
        <translation>OCR geannuleerd</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR voltooid: %1 pagina(&apos;s)</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>OCR van pagina %1 mislukt: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR niet beschikbaar</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Pagina’s zonder tekst zoeken…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>Elke pagina heeft tekst; niets te herkennen</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>Deze pagina heeft geen tekstlaag · %1 herkent de tekst</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR van pagina %1 voltooid: %2 tekstregel(s) herkend</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>Pagina weergeven mislukt</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>Initialiseren van de OCR-engine mislukt</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>OCR-engine niet beschikbaar</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>Initialiseren van OCR mislukt: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>Detectiemodel niet gevonden: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>Herkenningsmodel niet gevonden: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>Het herkenningsmodel mist het ingebouwde woordenboek (metadata character).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>onnxruntime.dll mist de export OrtGetApiBase.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>API-versie van onnxruntime komt niet overeen (OrtApi v%1 vereist).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>Kan onnxruntime.dll niet laden; OCR niet beschikbaar. Geprobeerd: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Tijdelijk %1° gedraaid (alleen voor deze weergave)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>Er is geen spraaksynthese geïnstalleerd (bijvoorbeeld de flite-plug-in van Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>De spraaksynthese kan niet worden gebruikt: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>Geen resultaten. Is dit document een gescande afbeelding (zonder tekstlaag), dan kunt u na OCR zoeken en kopiëren.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>OCR uitvoeren op dit document…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Typ een trefwoord om te zoeken (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>‘%1’: geen treffers</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>Zoeken naar ‘%1’…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>‘%1’: geen treffers.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(OCR-tekst)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(tekst nog niet geladen)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Pagina %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>‘%1’: %n treffer</numerusform>
            <numerusform>‘%1’: %n treffers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>Zoeken naar ‘%1’… %2 van %3 pagina’s doorzocht, tot nu toe %n treffer</numerusform>
            <numerusform>Zoeken naar ‘%1’… %2 van %3 pagina’s doorzocht, tot nu toe %n treffers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>Het actieve Dovrix-venster neemt maximaal %1 bestanden tegelijk aan; er is geen bestand geopend.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — een alleen-lezen PDF-viewer: offline, zonder telemetrie, wijzigt het bronbestand nooit.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>Het PDF-bestand dat geopend wordt.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>De tekst van deze pagina herkennen zodra het document open is (voor foutopsporing en automatische runs).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Openen op deze pagina: een paginanummer vanaf 1 of het eigen paginalabel van het document (zoals iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>Na het openen naar deze tekst zoeken en naar de eerste treffer gaan.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>SyncTeX voorwaarts zoeken: naar de plek scrollen waar deze regel van de TeX-bron is gezet en die kort markeren.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>De engine die PDF-bestanden opent: mupdf (standaard) of qtpdf (voor vergelijkingen en foutmeldingen).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>Langzaam</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>Voorlezen voltooid</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Hulpmiddelen</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Bladwijzers, voorlezen en SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Bladwijzers</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Bladwijzer toevoegen</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Bladwijzer hernoemen</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Bladwijzer verwijderen</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Voorlezen</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Vanaf deze pagina voorlezen</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Voorlezen stoppen</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Stem</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Editoropdracht voor omgekeerd zoeken…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>Geen editoropdracht ingesteld voor omgekeerd zoeken (Hulpmiddelen → Editoropdracht voor omgekeerd zoeken…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>De SyncTeX-gegevens bevatten geen plaats voor regel %2 van %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>Naast dit document staat geen SyncTeX-bestand (.synctex.gz of .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>Het SyncTeX-bestand is beschadigd en kan niet worden gelezen</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>Het SyncTeX-bestand hoort bij een andere build van deze PDF; compileer opnieuw</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>Met deze plaats komt geen positie in de bron overeen</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>Kan de editor niet starten: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>%1 geopend op regel %2 in de editor</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Editoropdracht voor omgekeerd zoeken</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Opdracht bij Ctrl+klik op een pagina (%f bestand, %l regel, %c kolom), bijvoorbeeld: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>Bladwijzer ‘%1’ toegevoegd</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Naam van de bladwijzer:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Voorlezen hervatten</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Voorlezen pauzeren</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>Het SyncTeX-bestand is uitgepakt groter dan %1 MB; het is ongelezen geweigerd</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>Het SyncTeX-bestand liet de lezer vastlopen of putte zijn geheugen uit; het is geweigerd</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>Het lezen van het SyncTeX-bestand duurde te lang; het is geweigerd</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>De bronbestandsnaam in het SyncTeX-bestand bevat een regeleinde of NUL-teken; hij is niet aan de editor doorgegeven</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Er zijn tekens die niet kunnen worden toegewezen (mogelijk ontbreekt de ToUnicode-tabel)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>Woordafstanden zijn uit de geometrie afgeleid; tekst kan versnipperd zijn</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Kop-/voettekstgebied</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>%1 tekens gekopieerd</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Aan breedte aanpassen</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Doorlopend</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Enkele pagina</translation>
    </message>
</context>
</TS>
