<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Dosya yok veya erişilemiyor.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>Dosya bozuk olabilir veya geçerli bir PDF değil.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>Belge şifrelenmiş.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>Bu PDF şifreleme yöntemi henüz desteklenmiyor.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>Belge açılırken bir sorun oluştu.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>Sayfa %1 işlenemedi, dışa aktarma durduruldu.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>Çıktı dosyası oluşturulamadı: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Metne bağlı, yeniden akıştan sonra yeri bulunabilir</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Dikdörtgene bağlı: yeniden akıştan sonra yeri kayabilir</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Vurgu</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Altı çizili</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Üstü çizili</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Dikdörtgen</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Açıklamayı sil</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Not metni (isteğe bağlı, diğer türlere de eklenebilir)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>Bu açıklama silinsin mi?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Açıklama modu açık: açıklama eklemek için metni sürükleyerek seçin veya bir kutu çizin; düzenlemek için mevcut açıklamaya tıklayın</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Açıklamalar kaydedildi</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>Açıklamalar yerel bir sidecar dosyasında (.dovrixmark) saklanır,
kaynak dosya Adobe gibi başka okuyucularla açıldığında görünmez.

Dovrix kaynak PDF&apos;yi asla değiştirmez.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>Açıklamalar yalnızca yerel .dovrixmark dosyasında saklanır; kaynak dosya Adobe gibi başka okuyucularla açıldığında görünmez.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Sayfa %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · sayfa %2 · renk %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>Henüz açıklama yok. Oluşturmak için açıklama modunu açıp metni sürükleyerek seçin.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>Notlarım</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>Belgedekiler (%1, salt okunur)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>Notlarıma kopyala</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Bu tür notlar notlarıma kopyalanamaz.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>Bu not tamamen okunamadı. Not dosyasında olduğu gibi korunur ve düzenlenemez.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>okunamayan not</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>Dosya çok büyük</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>Açıklama dosyası var ama okunamıyor: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>Geçerli klasöre yazılamıyor. Açıklamalar geçici olarak bellekte tutulacak; kapatmadan önce dışa aktarın.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>Dışa aktarma yolu kaynak dosyayla aynı. “Kaynak dosyaya asla yazılmaz” kuralı gereği durduruldu.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>Dışa aktarma yolu açıklama dosyasıyla aynı, durduruldu.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Dovrix açıklama özeti (toplam: %1)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— Sayfa %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>metne bağlı </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(konum p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Not: Açıklamalar yalnızca yerel sidecar dosyasında saklanır; kaynak dosya Adobe gibi başka okuyucularla açıldığında görünmez.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>Açıklama dosyası kaynak dosyanın kendisi; ona yazılmaz. Açıklamalar geçici olarak bellekte tutulacak; kapatmadan önce dışa aktarın.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>Açıklama dosyasının yerinde bir klasör var. Açıklamalar geçici olarak bellekte tutulacak; kapatmadan önce dışa aktarın.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>Okunamayan açıklama dosyasının yedeği alınamadı; üzerine yazmamak için kaydetme durduruldu. Açıklamalar geçici olarak bellekte tutulacak; kapatmadan önce dışa aktarın.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Açıklamalar kaydedilemedi: %1. Açıklamalar geçici olarak bellekte tutulacak; kapatmadan önce dışa aktarın.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>Dosya adı tanınamayan karakterler içerdiğinden yanına açıklama dosyası kaydedilemiyor. Açıklamalar geçici olarak bellekte tutulacak; kapatmadan önce dışa aktarın.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>Bu not dosyası Dovrix&apos;in daha yeni bir sürümü tarafından yazıldı. Salt okunur açıldı: değişiklikler kaydedilmez.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Yeniden adlandır</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>Henüz yer imi yok. Geçerli yere yer imi eklemek için Ctrl+D&apos;ye basın.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Sayfa %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>Bu belgede gömülü içindekiler (bölüm/yer imi) yok.
Okuma konumu yine de otomatik olarak hatırlanır.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Metin kutusu</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Dalgalı çizgi</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Çizgi</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Elips</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Serbest çizim</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Çokgen</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Çoklu çizgi</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>Damga</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>Ekleme işareti</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Sayfa %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>Dosya eki</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>Dosyanın açılması çok uzun sürdü.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Bilinmiyor</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 bayt)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Karışık (%1 boyut)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Kopya kaydet…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Belge özellikleri — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Tümünü kopyala</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>Tüm sayfalar</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Sayfa %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Yazı tipleri</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Gömülü</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Ekler yalnızca kopya olarak kaydedilir; Dovrix onları asla açmaz veya çalıştırmaz.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Ekler</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Başlık</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Yazar</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Konu</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Anahtar sözcükler</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Oluşturan</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>PDF üreticisi</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Oluşturulma</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Değiştirilme</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>PDF sürümü</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Sayfa sayısı</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Sayfa boyutu</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Dosya boyutu</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Şifreleme</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>yazdırma</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>metin kopyalama</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>değiştirme</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>not ekleme</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>form doldurma</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Bildirilen izinler</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>İzin verilen: %1
İzin verilmeyen: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Etiketli</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Betikler</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>Belge JavaScript içeriyor; Dovrix onu çalıştırmaz.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Ekler (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Ekin kopyasını kaydet</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>Ek hasarlı ve okunamıyor.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Kopya kaydedildi:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>Ek kaydedilemedi: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>Yeni belge</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Dışa aktarma tamamlandı</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Dışa aktarıldı:
%1

Kaynak dosya değiştirilmedi.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Geçerli sayfayı PNG olarak dışa aktar</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG resimleri (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Dışa aktarma başarısız</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>Sayfa işlenemedi, lütfen yeniden deneyin.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Tüm metni dışa aktar (okuma sırasıyla)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Metin dosyaları (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Açıklama özeti</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>Geçerli belgede açıklama yok.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Açıklama özetini dışa aktar</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>Açıklamalı PDF&apos;yi dışa aktar</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>PDF belgeleri (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>Açıklamalı PDF dışa aktarılıyor…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Dışa aktarıldı:
%1

Kaynak dosya değiştirilmedi. Açıklamalar kopyaya gömüldü; Adobe/WPS/tarayıcıda açınca görünür.
(Kopya, sayfa sayfa işlenmiş düzleştirilmiş bir PDF&apos;dir: görünüm aynıdır ama metin artık seçilemez)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Yazdırılıyor…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>Yazıcıya %1 sayfa gönderildi.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>Sayfa işlenemedi, yazdırma durduruldu.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Yazdırma işi başlatılamadı.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Metin okuma sırasıyla dışa aktarılıyor…
Sayfa %1 / %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Düzleştirilmiş kopyayı (görüntüler) dışa aktar</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>PDF dosyasına yazdır</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Ek açıklamalar ve ölçek</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>Ek açıklamalarla</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>Kâğıda sığdır</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Gerçek boyut</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Dışa aktarıldı:
%1

Kaynak dosya değiştirilmedi. Ek açıklamalar kopyada standart PDF ek açıklamaları olarak yer alır ve başka okuyucularda da görünür; metin, bağlantılar ve içindekiler korunur.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>Yazdırma hizmeti işi kabul etmedi: %1
Hiçbir şey kaybolmadı; yeniden deneyin ya da bir dosyaya yazdırın.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>Kaynak dosya okunamıyor: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>%1 yazılamıyor:
%2

Yarım kalmış dosya bırakılmadı; kaynak dosya değiştirilmedi.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>Yazdırma hizmeti (CUPS) bulunamadı.
Belge bunun yerine bir PDF dosyasına yazdırılsın mı?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>İmza alanı (yalnızca gösterim)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>Bu formun betikleri çalışmaz: belgenin hesaplayacağı veya biçimlendireceği alanlar yazdığınızı korur.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>İmza alanları yalnızca gösterilir; Dovrix belge imzalamaz.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>Kenar çubuğu</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>Geri (görünüm geçmişi)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>İleri (görünüm geçmişi)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>PDF aç (her belge için bir sekme)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>Yazdır (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>Yeni dosyaya dışa aktar (kaynak dosya değişmez)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Geçerli sayfa resim olarak (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Tüm metin (TXT, okuma sırasıyla)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Açıklama özeti (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>Açıklamalı PDF (kopya)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Geçerli açıklamaları Adobe/WPS&apos;te görünen yeni bir PDF&apos;ye gömer; kaynak dosya değişmez</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Açıklamalar</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Açıklama modu (A): vurgu / altı çizili / üstü çizili / not / dikdörtgen / ok</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>90° döndür</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Geçici olarak 90° döndür (yalnızca bu görüntüleme için)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Belgede ara · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>Kâğıt</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Gece yarısı</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>Yüksek karşıtlık</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Arayüz dilini değiştir</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Ana sayfa</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Dovrix ana sayfasını aç</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Okumaya başlamak için bir PDF açın. Dovrix salt okunur bir görüntüleyicidir, kaynak dosyayı değiştirmez.
Aynı anda birden çok belge (sekmelerde) açılabilir.</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>PDF aç…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Son dosyalar</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Son dosyaları temizle</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>Kaynak dosya dışarıdan değiştirildi. En güncel içeriği görmek için yeniden yükleyin.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Yeniden yükle</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Yoksay</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix — şimşek hızında bir okuyucu</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Genişliğe sığdır</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Tek sayfa / sürekli kaydırma arasında geçiş yap</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;Aç…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Belgeyi kapat</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Sonraki sekme</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;Yazdır…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>Gizli mod</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>Sonraki arama sonucu</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Önceki arama sonucu</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Seçili metni kopyala</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Tek sayfa modu</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Geçici olarak 90° döndür</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>Sayfaya sığdır</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Gerçek boyut (yüzde 100)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Açıklama modu</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>PDF aç</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>PDF belgeleri (*.pdf);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Açılamadı</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Dosya yok veya erişilemiyor.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● Açıklamalar belgenin güncel içeriğiyle uyuşmuyor, dikdörtgene bağlı olanlar kayabilir</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Küçük resimler</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>İçindekiler</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Belge</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Belge açılıyor…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Parola yanlış, yeniden deneyin</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>Bu belge şifrelenmiş</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Açma parolasını girin (Dovrix kırma veya izin kaldırmayı desteklemez):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● Kaynak dosya dışarıdan değiştirildi</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Salt okunur: kaynak dosya özeti değişmedi</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix kaynak dosyayı değiştirmez.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Gizli mod: açık</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Gizli mod: kapalı</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Gizli mod: son dosyalar ve küçük resim önbelleği kaydedilmez</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— Sayfa %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(Bu sayfa taranmış bir görüntü, metin katmanı yok)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Bu sayfadaki metnin bir kısmı güvenilir olmayabilir)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Vurgu (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Altı çizili (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>Üstü çizili (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>Not (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>Dikdörtgen (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Ok (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Sayfaya git…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Sayfa numarasını veya etiketini yazıp Enter tuşuna basın (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>Çevrimdışı OCR çalışıyor…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>Çevrimdışı OCR çalışıyor: %1/%2 sayfa bitti, yaklaşık %3 sn kaldı…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(Aşağıda OCR ile tanınan metin)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Tam ekran · çıkmak için F11 veya Esc</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Sayfa renklerini değiştir</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>İki sayfalık görünüm</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>İlk sayfa tek başına</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>İki sayfa</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Yan yana iki sayfa (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Sayfa renkleri</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Sayfa renkleri (Ctrl+Alt+N): gece modu açık ve koyuyu tersine çevirir, renk tonlarını korur</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Gece</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>Sepya</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Temaya uy</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>Dosya adı tanınamayan karakterler içerdiğinden program dosyayı okuyamıyor. Dosyayı yeniden adlandırıp tekrar açın.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Düzleştirilmiş kopya (görüntüler)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>Ek açıklamalarımla PNG</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Belge özellikleri…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Formu sıfırla</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Yer imleri</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>Sayfayı açabilecek bir web tarayıcısı yok. Dovrix ana sayfası: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Metni tanı (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>Bu sayfa</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>Metni olmayan tüm sayfalar</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>Bir belge açıldığında burada görünür:
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>Yakınlaştırma %%1</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>OCR iptal edildi</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR tamamlandı: %1 sayfa</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>Sayfa %1 OCR başarısız: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR kullanılamıyor</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Metni olmayan sayfalar aranıyor…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>Her sayfada metin var; tanınacak bir şey yok</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>Bu sayfada metin katmanı yok · %1 metnini tanır</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>Sayfa %1 OCR tamamlandı: %2 satır metin tanındı</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>Sayfa işlenemedi</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>OCR motoru başlatılamadı</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>OCR motoru kullanılamıyor</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>OCR başlatılamadı: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>Algılama modeli bulunamadı: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>Tanıma modeli bulunamadı: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>Tanıma modelinde gömülü sözlük (character meta verisi) yok.</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>onnxruntime.dll, OrtGetApiBase dışa aktarımını içermiyor.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>onnxruntime API sürümü uyumsuz (OrtApi v%1 gerekli).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>onnxruntime.dll yüklenemedi, OCR kullanılamıyor. Denenenler: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Geçici olarak %1° döndürüldü (yalnızca bu görüntüleme için)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>Konuşma sentezleyici kurulu değil (örneğin Qt Speech’in flite eklentisi).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>Konuşma sentezleyici kullanılamıyor: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>Sonuç bulunamadı. Belge taranmış bir görüntüyse (metin katmanı yoksa) OCR&apos;den sonra arama ve kopyalama yapılabilir.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>Bu belgeye OCR uygula…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Aramak için bir anahtar sözcük yazın (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>“%1”: sonuç yok</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>“%1” aranıyor…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>“%1”: sonuç yok.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Sayfa %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(OCR metni)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(metin henüz yüklenmedi)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Sayfa %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>“%1”: %n sonuç</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>“%1” aranıyor… %3 sayfanın %2 tanesi tarandı, şu ana kadar %n sonuç</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>Çalışan Dovrix penceresi tek seferde en fazla %1 dosya kabul eder; hiçbir dosya açılmadı.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — salt okunur PDF görüntüleyici: çevrimdışı, telemetrisiz, kaynak dosyayı asla değiştirmez.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>Açılacak PDF dosyası.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>Belge açılır açılmaz bu sayfanın metnini tanı (hata ayıklama ve otomatik çalıştırmalar için).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Bu sayfada aç: 1&apos;den başlayan sayfa numarası ya da belgenin kendi sayfa etiketi (ör. iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>Açıldıktan sonra bu metni ara ve ilk sonuca git.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>SyncTeX ileri arama: TeX kaynağının bu satırının dizildiği yere kaydır ve kısa süre işaretle.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>PDF dosyalarını açan motor: mupdf (varsayılan) veya qtpdf (karşılaştırma ve hata raporları için).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>Yavaş</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Hızlı</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>Sesli okuma bitti</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Araçlar</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Yer imleri, sesli okuma ve SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Yer imleri</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Yer imi ekle</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Yer imini yeniden adlandır</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Yer imini sil</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Sesli okuma</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Bu sayfadan itibaren sesli oku</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Okumayı durdur</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Hız</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Ters arama düzenleyici komutu…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>Ters arama için düzenleyici komutu ayarlanmamış (Araçlar → Ters arama düzenleyici komutu…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>SyncTeX verilerinde %1 dosyasının %2. satırı için konum yok</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>Bu belgenin yanında SyncTeX dosyası yok (.synctex.gz veya .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>SyncTeX dosyası bozuk ve okunamıyor</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>SyncTeX dosyası bu PDF’nin başka bir derlemesine ait; yeniden derleyin</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>Bu yere karşılık gelen bir kaynak konumu yok</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>Düzenleyici başlatılamıyor: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>%1, düzenleyicide %2. satırda açıldı</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Ters arama düzenleyici komutu</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Sayfada Ctrl+tıklamada çalışan komut (%f dosya, %l satır, %c sütun), örneğin: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Sayfa %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>“%1” yer imi eklendi</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Yer imi adı:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Okumayı sürdür</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Okumayı duraklat</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>SyncTeX dosyası açıldığında %1 MB&apos;ı aşıyor; okunmadan reddedildi</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>SyncTeX dosyası okuyucuyu çökertti veya belleğini tüketti; reddedildi</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>SyncTeX dosyasını okumak çok uzun sürdü; reddedildi</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>SyncTeX dosyasındaki kaynak dosya adı satır sonu veya NUL karakteri içeriyor; düzenleyiciye aktarılmadı</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Eşlenemeyen karakterler var (ToUnicode tablosu eksik olabilir)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>Sözcük aralıkları geometriden çıkarıldı, metin parçalanmış olabilir</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Üst bilgi/alt bilgi alanı</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>%1 karakter kopyalandı</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Orijinal</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Genişliğe sığdır</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Sürekli</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Tek sayfa</translation>
    </message>
</context>
</TS>
